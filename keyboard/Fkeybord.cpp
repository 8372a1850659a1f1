#include "keyboard/Fkeybord.h"

#include <QAction>
#include <QApplication>
#include <QEventLoopLocker>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

#include "keyboard/Fptndlg.h"
#include "keyboard/GlyphData.h"
#include "keyboard/Jamo.h"
#include "keyboard/TextForms.h"
#include "keyboard/TwoSetLayout.h"
#include "platform/Application.h"
#include "platform/FileDialogs.h"
#include "platform/Modal.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"

namespace {
constexpr int kClientWidth = 573;
constexpr int kClientHeight = 282;
constexpr int kStatusBarHeight = 19;
constexpr int kButtonSize = 32;
constexpr double kOpacity = 200.0 / 255.0;
constexpr int kTextLineWidth = 545;
constexpr int kTextLineHeight = 24;

// One row per jamo button, in jamo-code order: the order of JamoButtons.
struct TJamoButtonRow {
    const char* name;
    int code;
    int x;
    int y;
    const char* reading;  // nullptr: a compound vowel, which has no hint and no key
    const char* kanaRow;
    const char* key;
};

constexpr TJamoButtonRow kJamoButtons[] = {
    {"bbG", 1, 8, 56, "k・g", "か行・が行", "r"},
    {"bbGG", 2, 8, 96, "kk・gg", "っか行・っが行", "SHIFT + r"},
    {"bbN", 3, 48, 56, "n", "な行", "s"},
    {"bbD", 4, 88, 56, "t・d", "た行・だ行", "e"},
    {"bbDD", 5, 88, 96, "tt・dd", "った行・っだ行", "SHIFT + e"},
    {"bbL", 6, 128, 56, "r", "ら行", "f"},
    {"bbM", 7, 168, 56, "m", "ま行", "a"},
    {"bbB", 8, 208, 56, "p・b", "ぱ行・ば行", "q"},
    {"bbBB", 9, 208, 96, "pp・bb", "っぱ行・っば行", "SHIFT + q"},
    {"bbS", 10, 248, 56, "s", "さ行", "t"},
    {"bbSS", 11, 248, 96, "ss", "っさ行", "SHIFT + t"},
    {"bbNG", 12, 288, 56, "a・ng", "あ行・ん", "d"},
    {"bbJ", 13, 328, 56, "z・j", "じゃ行", "w"},
    {"bbJJ", 14, 328, 96, "zz・jj", "っじゃ行", "SHIFT + w"},
    {"bbCH", 15, 368, 56, "ch", "ちゃ行", "c"},
    {"bbKH", 16, 408, 56, "kh", "か行", "z"},
    {"bbTH", 17, 448, 56, "th", "た行", "x"},
    {"bbPH", 18, 488, 56, "ph", "ぱ行", "v"},
    {"bbH", 19, 528, 56, "h", "は行", "g"},
    {"bbA", 50, 8, 168, "a", "あ段", "k"},
    {"bbAE1", 51, 8, 208, "e", "え段", "o"},
    {"bbYA", 52, 48, 168, "ya", "や段", "i"},
    {"bbYAE1", 53, 48, 208, "ye", "いぇ段", "SHIFT + o"},
    {"bbO1", 54, 88, 168, "o", "お段", "j"},
    {"bbOE1", 55, 88, 208, "e", "え段", "p"},
    {"bbYO1", 56, 128, 168, "yo", "よ段", "u"},
    {"bbYOE1", 57, 128, 208, "ye", "いぇ段", "SHIFT + p"},
    {"bbO2", 58, 168, 168, "o", "お段", "h"},
    {"bbOA", 59, 168, 208, nullptr, nullptr, nullptr},
    {"bbOAE", 60, 208, 208, nullptr, nullptr, nullptr},
    {"bbOI", 61, 248, 208, nullptr, nullptr, nullptr},
    {"bbYO2", 62, 208, 168, "yo", "よ段", "y"},
    {"bbU1", 63, 248, 168, "u", "う段", "n"},
    {"bbUO", 64, 288, 208, nullptr, nullptr, nullptr},
    {"bbUOI", 65, 328, 208, nullptr, nullptr, nullptr},
    {"bbUI", 66, 368, 208, nullptr, nullptr, nullptr},
    {"bbYU", 67, 288, 168, "yu", "ゆ段", "b"},
    {"bbU2", 68, 328, 168, "u", "う段", "m"},
    {"bbUI2", 69, 408, 208, nullptr, nullptr, nullptr},
    {"bbI", 70, 368, 168, "i", "い段", "l"},
};
static_assert(std::size(kJamoButtons) == TGlyphRenderer::kJamoCount);

QString JamoHint(const TJamoButtonRow& row) {
    if (!row.reading)
        return {};
    return QStringLiteral("読み：%1 %2 キー：%3")
        .arg(QString::fromUtf8(row.reading), QString::fromUtf8(row.kanaRow),
             QString::fromUtf8(row.key));
}

// The editing buttons: name, caption, position, size, hint.
struct TEditButtonRow {
    QPushButton* TfrmKeyboard::*member;
    const char* name;
    const char* caption;
    int x;
    int y;
    int width;
    int height;
    const char* hint;
    bool showHint = true;  // as a tool tip; every hint goes to the status bar
};

constexpr TEditButtonRow kEditButtons[] = {
    {&TfrmKeyboard::btBack, "btBack", "BS", 488, 104, kButtonSize, kButtonSize,
     "１文字消去します。"},
    {&TfrmKeyboard::btClear, "btClear", "CL", 528, 104, kButtonSize, kButtonSize,
     "文字をクリアします。"},
    {&TfrmKeyboard::btCopy, "btCopy", "CP", 488, 139, kButtonSize, kButtonSize,
     "入力された文字をコピーします。"},
    {&TfrmKeyboard::btPaste, "btPaste", "PS", 528, 139, kButtonSize, kButtonSize,
     "指定された文字コードでコピーされた韓国語を貼り付けます。"},
    {&TfrmKeyboard::btSpace, "btSpace", "SP", 488, 174, kButtonSize, kButtonSize, "空白"},
    {&TfrmKeyboard::btClose, "btClose", "Close", 488, 216, 75, 25, "終了します", false},
};
}  // namespace

TfrmKeyboard::TfrmKeyboard(std::string settingsFileName, QWidget* parent)
    : QMainWindow(parent),
      Uni2Euc(platform::ProgramFolder() + "euc2uni.dll"),
      FSettingsFileName(std::move(settingsFileName)) {
    FormCreate();
}

TfrmKeyboard::~TfrmKeyboard() {
    qApp->removeEventFilter(this);
    platform::SetHintHandler({});
    if (const std::error_code error = TCommonSaver().Save(SettingsPath(), Settings))
        platform::ShowErrorBox(QString::fromStdString(SettingsPath() + ": " + error.message()));
}

std::string TfrmKeyboard::SettingsPath() const {
    return platform::ProgramFolder() + FSettingsFileName;
}

void TfrmKeyboard::LoadSettings() {
    // An unreadable file is reported and leaves the defaults; the window opens all the same. Only a
    // missing file counts as a first run.
    SettingsFileFound = true;
    platform::RunGuarded(
        [this] { SettingsFileFound = TCommonSaver().Load(SettingsPath(), Settings) != -1; });
}

void TfrmKeyboard::FormCreate() {
    setWindowTitle(QStringLiteral("Zelpaキーボード"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setWindowOpacity(kOpacity);
    setFont(platform::JapaneseUiFont(12));

    auto* client = new QWidget(this);
    setCentralWidget(client);
    imMoji = new platform::TImage(client);
    imMoji->setObjectName(QStringLiteral("imMoji"));
    imMoji->setGeometry(8, 6, kTextLineWidth, kTextLineHeight);
    imMoji->SetPicture(WhiteMonoPicture(kTextLineWidth, kTextLineHeight));
    Label1 = new QLabel(QStringLiteral("子音"), client);
    Label1->move(8, 32);
    Label2 = new QLabel(QStringLiteral("母音"), client);
    Label2->move(8, 144);
    CreateJamoButtons(*client);
    CreateEditButtons(*client);
    CreateMenu();
    statusBar()->setFixedHeight(kStatusBarHeight);
    statusBar()->setSizeGripEnabled(false);
    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);

    for (int i = 0; i < TGlyphRenderer::kSheetCount; ++i)
        GlyphSheets[i] = LoadMonoPicture(GlyphSheetPath(i));
    std::array<TMonoConstView, TGlyphRenderer::kSheetCount> sheets;
    for (int i = 0; i < TGlyphRenderer::kSheetCount; ++i)
        sheets[i] = ConstMonoView(GlyphSheets[i]);
    std::array<TMonoConstView, TGlyphRenderer::kJamoCount> jamo;
    for (int i = 0; i < TGlyphRenderer::kJamoCount; ++i)
        jamo[i] = ConstMonoView(JamoButtons[i]->Glyph());
    FRenderer = std::make_unique<TGlyphRenderer>(sheets, jamo);
    TargetImage = imMoji;

    platform::SetHintHandler([this](const QString& hint) { OnAppHint(hint); });
    qApp->installEventFilter(this);
    LoadSettings();
}

void TfrmKeyboard::CreateJamoButtons(QWidget& client) {
    for (const TJamoButtonRow& row : kJamoButtons) {
        auto* button = new platform::TPictureButton(LoadMonoPicture(JamoPicturePath(row.code)),
                                                    row.code, JamoHint(row), &client);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setGeometry(row.x, row.y, kButtonSize, kButtonSize);
        connect(button, &QPushButton::clicked, this, [this, button] { bbGClick(*button); });
        JamoButtons.push_back(button);
    }
}

void TfrmKeyboard::CreateEditButtons(QWidget& client) {
    for (const TEditButtonRow& row : kEditButtons) {
        auto* button = new QPushButton(QString::fromUtf8(row.caption), &client);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setGeometry(row.x, row.y, row.width, row.height);
        button->setFont(platform::JapaneseUiFont(15));
        platform::SetHint(*button, QString::fromUtf8(row.hint), row.showHint);
        this->*row.member = button;
    }
    connect(btBack, &QPushButton::clicked, this, &TfrmKeyboard::btBackClick);
    connect(btClear, &QPushButton::clicked, this, &TfrmKeyboard::btClearClick);
    connect(btSpace, &QPushButton::clicked, this, &TfrmKeyboard::btSpaceClick);
    connect(btClose, &QPushButton::clicked, this, &TfrmKeyboard::btCloseClick);
    connect(btCopy, &QPushButton::clicked, this, &TfrmKeyboard::btCopyClick);
    connect(btPaste, &QPushButton::clicked, this, &TfrmKeyboard::btPasteClick);
}

void TfrmKeyboard::CreateMenu() {
    const auto addItem = [this](QMenu* menu, const char* name, const char* caption,
                                const char* hint) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        if (hint)
            action->setStatusTip(QString::fromUtf8(hint));
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mmSave10 = addItem(file, "mmSave10", "10進UNICODEで保存(&S)",
                       "&#13425・・の形式でファイルに保存します");
    mmSave16 = addItem(file, "mmSave16", "16進UNICODEで保存(&X)",
                       "&#x12ad・・の形式でファイルに保存します");
    file->addSeparator();
    mmMin = addItem(file, "mmMin", "最小化(&M)", "画面を最小化します");
    mmCLose = addItem(file, "mmCLose", "閉じる(&C)", "終了します");

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    mmCopy1 = addItem(edit, "mmCopy1", "コピー(&C)", "指定された韓国語文字列としてコピーします");
    mmPaste =
        addItem(edit, "mmPaste", "貼り付け(&P)", "コピーされた韓国語文字列を画面に貼り付けます");
    edit->addSeparator();
    mmBack = addItem(edit, "mmBack", "Back Space(&B)", "１文字戻って消します");
    mmAllClear = addItem(edit, "mmAllClear", "文字のクリア(&A)", "すべての文字をクリアします");
    edit->addSeparator();
    mmField = addItem(edit, "mmField", "入力フィールド指定(&F)", nullptr);
    mmField->setEnabled(false);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("ﾂｰﾙ(&T)"));
    IER1 = addItem(tools, "IER1", "IEへの登録(&R)", "Internet Explorerのツールバーに登録します");
    U1 = addItem(tools, "U1", "ｱﾝｲﾝｽﾄｰﾙの準備(&U)", nullptr);

    QMenu* options = menuBar()->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    mmProp = addItem(options, "mmProp", "設定(&P)", nullptr);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mmHome = addItem(help, "mmHome", "Quorin ホームページ(&R)", nullptr);

    connect(mmMin, &QAction::triggered, this, &TfrmKeyboard::mmMinClick);
    connect(mmCLose, &QAction::triggered, this, &TfrmKeyboard::mmCLoseClick);
    connect(mmBack, &QAction::triggered, this, &TfrmKeyboard::btBackClick);
    connect(mmAllClear, &QAction::triggered, this, &TfrmKeyboard::btClearClick);
    connect(mmSave10, &QAction::triggered, this, &TfrmKeyboard::mmSave10Click);
    connect(mmSave16, &QAction::triggered, this, &TfrmKeyboard::mmSave16Click);
    connect(mmCopy1, &QAction::triggered, this, &TfrmKeyboard::btCopyClick);
    connect(mmPaste, &QAction::triggered, this, &TfrmKeyboard::btPasteClick);
    connect(mmProp, &QAction::triggered, this, &TfrmKeyboard::mmPropClick);
}

platform::TPictureButton* TfrmKeyboard::JamoButton(int code) const {
    const int index = jamo::JamoIndex(code);
    return index < 0 ? nullptr : JamoButtons[index];
}

void TfrmKeyboard::bbGClick(const platform::TPictureButton& sender) {
    Keyboard.AddJamo(static_cast<std::uint8_t>(sender.Tag()));
    Redraw();
}

void TfrmKeyboard::btBackClick() {
    Keyboard.BackSpace();
    Redraw();
}

void TfrmKeyboard::btClearClick() {
    Keyboard.Clear();
    DrawCodes(nullptr);
}

void TfrmKeyboard::btSpaceClick() {
    CommitChar(32);
}

void TfrmKeyboard::btCloseClick() {
    close();
}

void TfrmKeyboard::mmCLoseClick() {
    close();
}

void TfrmKeyboard::mmMinClick() {
    showMinimized();
}

void TfrmKeyboard::CommitChar(std::int32_t code) {
    Keyboard.AddChar(code);
    Redraw();
}

void TfrmKeyboard::Redraw() {
    std::vector<std::int32_t> codes;
    Keyboard.GetCodes(codes);
    DrawCodes(&codes);
}

void TfrmKeyboard::ShowCodes(platform::TImage& image, const std::vector<std::int32_t>* codes) {
    TargetImage = &image;
    image.SetPicture(WhiteMonoPicture(image.width(), image.height()));
    Keyboard.Clear();
    if (codes)
        Keyboard.Committed = *codes;
    DrawCodes(codes);
}

void TfrmKeyboard::DrawCodes(const std::vector<std::int32_t>* codes) {
    QImage line = WhiteMonoPicture(TargetImage->width(), TargetImage->height());
    FRenderer->Draw(codes, MonoView(line));
    TargetImage->SetPicture(std::move(line));
}

void TfrmKeyboard::btCopyClick() {
    std::vector<std::int32_t> text;
    Keyboard.GetCodes(text);
    platform::TClipboardData data;
    switch (Settings.CopyPattern) {
        case tpUnicode:
            CopyAsEucKr(text, data);
            CopyAsUnicode(text, data);
            break;
        case tpEucKr:
            CopyAsEucKr(text, data);
            break;
        case tpDecimalRef:
            CopyAsDecimalRefs(text, data);
            break;
        case tpHexRef:
            CopyAsHexRefs(text, data);
            break;
        default:  // a damaged settings file: nothing is placed
            break;
    }
    if (data.text || data.unicodeText)
        platform::Clipboard().Set(data);
    if (Settings.ClearOnCopy == 1)
        btClearClick();
    platform::MinimizeApplication();
}

void TfrmKeyboard::CopyAsEucKr(const std::vector<std::int32_t>& text,
                               platform::TClipboardData& data) const {
    data.text = EucKrBytes(text, Uni2Euc);
}

void TfrmKeyboard::CopyAsUnicode(const std::vector<std::int32_t>& text,
                                 platform::TClipboardData& data) const {
    data.unicodeText = Utf16Text(text);
}

void TfrmKeyboard::CopyAsDecimalRefs(const std::vector<std::int32_t>& text,
                                     platform::TClipboardData& data) const {
    data.text = DecimalRefs(text);
}

void TfrmKeyboard::CopyAsHexRefs(const std::vector<std::int32_t>& text,
                                 platform::TClipboardData& data) const {
    data.text = HexRefs(text);
}

void TfrmKeyboard::btPasteClick() {
    if (Settings.ClearOnPaste == 1)
        btClearClick();
    switch (Settings.PastePattern) {
        case tpUnicode:
            PasteUnicode();
            break;
        case tpEucKr:
            PasteEucKr();
            break;
        case tpDecimalRef:
        case tpHexRef:
            PasteRefs();
            break;
        default:  // a damaged settings file: nothing is read
            break;
    }
    Redraw();
}

void TfrmKeyboard::PasteUnicode() {
    const std::optional<std::u16string> data = platform::Clipboard().UnicodeText();
    if (!data)
        return;
    Keyboard.FlushComposing();
    AppendUtf16Text(*data, Keyboard.Committed);
}

void TfrmKeyboard::PasteEucKr() {
    const std::optional<std::string> data = platform::Clipboard().Text();
    if (!data)
        return;
    Keyboard.FlushComposing();
    AppendEucKrText(*data, Uni2Euc, Keyboard.Committed);
}

void TfrmKeyboard::PasteRefs() {
    const std::optional<std::string> data = platform::Clipboard().Text();
    if (!data)
        return;
    Keyboard.FlushComposing();
    AppendRefsText(*data, Keyboard.Committed);
}

void TfrmKeyboard::mmSave10Click() {
    SaveRefs(false);
}

void TfrmKeyboard::mmSave16Click() {
    SaveRefs(true);
}

void TfrmKeyboard::SaveRefs(bool hex) {
    const std::optional<QString> fileName =
        platform::SaveFileName(this, QStringLiteral("テキストファイル(*.txt)|*.txt"));
    if (!fileName)
        return;
    std::vector<std::int32_t> text;
    Keyboard.GetCodes(text);
    zelpa::WriteFileWhole(QFile::encodeName(*fileName).toStdString(),
                          RefsFileBytes(hex ? HexRefs(text) : DecimalRefs(text)));
    platform::MessageBox(QStringLiteral("保存しました"),
                         hex ? QStringLiteral("16進で保存") : QStringLiteral("10進で保存"),
                         platform::TMsgButtons::Ok, platform::TMsgIcon::Information);
}

void TfrmKeyboard::mmPropClick() {
    if (!PatternDialog)
        return;
    // While the keyboard is hidden the dialog is the last window; closing it must not end the
    // program.
    const QEventLoopLocker keepRunning;
    hide();
    PatternDialog->EnableEucKr(Uni2Euc.IsLoaded());
    PatternDialog->Execute(Settings);
    show();
}

void TfrmKeyboard::OnAppHint(const QString& hint) {
    statusBar()->showMessage(hint);
}

bool TfrmKeyboard::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (key == Qt::Key_Space) {
        btSpace->setFocus();
        CommitChar(32);
        return true;
    }
    if (key == Qt::Key_Backspace) {
        btBack->setFocus();
        btBackClick();
    } else if (ctrl && key == Qt::Key_C) {
        btCopy->setFocus();
        btCopyClick();
    } else if (ctrl && key == Qt::Key_V) {
        btPaste->setFocus();
        btPasteClick();
    } else if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const bool shift = modifiers & Qt::ShiftModifier;
        platform::TPictureButton* button = JamoButton(JamoForKey(static_cast<char>(key), shift));
        button->setFocus();
        bbGClick(*button);
    }
    return false;
}

bool TfrmKeyboard::eventFilter(QObject* watched, QEvent* event) {
    // Every key reaches the focused control first and then its parents; act on the first delivery
    // only, and only for keys meant for this window.
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if ((press || release) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        const bool firstDelivery = focus ? widget == focus : widget == this;
        if (widget->window() == this && firstDelivery) {
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            // Space is consumed whole, so the focused button never sees it pressed or released.
            if (release)
                return keyEvent->key() == Qt::Key_Space;
            return FormKeyDown(keyEvent->key(), keyEvent->modifiers());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmKeyboard::showEvent(QShowEvent* event) {
    if (!FCentred) {
        FCentred = true;
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QMainWindow::showEvent(event);
}
