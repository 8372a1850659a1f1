#include "keyboard/Fkeybord.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

#include "keyboard/GlyphData.h"
#include "platform/Clipboard.h"
#include "platform/ProgramFolder.h"
#include "support/TestFolder.h"

namespace {

using Codes = std::vector<std::int32_t>;

constexpr std::int32_t kGa = 0xAC00;
constexpr std::int32_t kGan = 0xAC04;
constexpr std::int32_t kKka = 0xAE4C;
constexpr std::int32_t kHan = 0xD55C;
constexpr std::int32_t kDalg = 0xB2ED;

class KeyboardWindow : public testing::Test {
  protected:
    KeyboardWindow() { platform::SetClipboardForTests(&clipboard); }
    ~KeyboardWindow() override { platform::SetClipboardForTests(nullptr); }

    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    Codes Text() const {
        Codes codes;
        window.Keyboard.GetCodes(codes);
        return codes;
    }

    // A key press goes where a real one goes: to the focused control, else to the window.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &window, key, modifiers);
    }

    void Type(const char* letters) {
        for (const char* c = letters; *c; ++c)
            Press(static_cast<Qt::Key>(std::toupper(*c)));
    }

    static bool AllWhite(const QImage& picture) {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixelIndex(x, y) != 0)
                    return false;
        return true;
    }

    TTestProgramFolder folder;
    platform::TMemoryClipboard clipboard;
    TfrmKeyboard window{"jamkey.dat"};
};

struct TKeyCase {
    const char* what;
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
    Codes text;
};

TEST_F(KeyboardWindow, KeyMapFollowsTheTwoSetLayout) {
    const auto plain = Qt::NoModifier;
    const auto shift = Qt::ShiftModifier;
    const auto ctrl = Qt::ControlModifier;
    const TKeyCase cases[] = {
        {"r k s", {{Qt::Key_R, plain}, {Qt::Key_K, plain}, {Qt::Key_S, plain}}, {kGan}},
        {"Shift+R k", {{Qt::Key_R, shift}, {Qt::Key_K, plain}}, {kKka}},
        {"Shift+K has no shifted jamo", {{Qt::Key_K, shift}}, {0x1161, 0}},
        {"Shift+O, Shift+P", {{Qt::Key_O, shift}, {Qt::Key_P, shift}}, {0x1164, 0x1168, 0}},
        {"Ctrl+A enters its jamo", {{Qt::Key_A, ctrl}}, {0x1106}},
        {"Ctrl+V with Shift still pastes", {{Qt::Key_V, ctrl | shift}}, {0}},
        {"space ends the syllable",
         {{Qt::Key_R, plain}, {Qt::Key_K, plain}, {Qt::Key_Space, plain}, {Qt::Key_R, plain}},
         {kGa, 32, 0x1100}},
        {"backspace",
         {{Qt::Key_R, plain}, {Qt::Key_K, plain}, {Qt::Key_Backspace, plain}},
         {0x1100}},
        {"backspace on nothing", {{Qt::Key_Backspace, plain}}, {0}},
        {"digits, Enter and arrows do nothing",
         {{Qt::Key_1, plain}, {Qt::Key_Return, plain}, {Qt::Key_Left, plain}},
         {0}},
    };
    for (const TKeyCase& c : cases) {
        window.btClearClick();
        for (const auto& [key, modifiers] : c.keys)
            Press(key, modifiers);
        EXPECT_EQ(Text(), c.text) << c.what;
    }
}

TEST_F(KeyboardWindow, ALetterFocusesItsJamoButton) {
    Press(Qt::Key_E, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), window.JamoButton(5));  // ㄸ
}

TEST_F(KeyboardWindow, SpaceIsConsumedAndNeverAlsoPressesTheFocusedButton) {
    window.JamoButton(1)->setFocus();
    Press(Qt::Key_Space);
    Press(Qt::Key_Space);
    EXPECT_EQ(Text(), (Codes{32, 32, 0}));
    EXPECT_EQ(QApplication::focusWidget(), window.btSpace);
}

TEST_F(KeyboardWindow, JamoButtonsComposeThroughTheirTags) {
    for (int code : {4, 50, 6, 1})
        QTest::mouseClick(window.JamoButton(code), Qt::LeftButton);
    EXPECT_EQ(Text(), (Codes{kDalg}));
    window.btSpaceClick();
    window.btBackClick();
    EXPECT_EQ(Text(), (Codes{kDalg, 0}));
}

TEST_F(KeyboardWindow, TheLineShowsTheSyllableFromItsGlyphSheet) {
    Type("gks");  // 한
    const QImage line = window.imMoji->Picture();
    const QImage& sheet = window.GlyphSheets[18];
    ASSERT_FALSE(sheet.isNull());
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 545; ++x) {
            const bool inCell = x < 18 && y < 18;
            const int expected = inCell ? sheet.pixelIndex(112 + x, y) : 0;
            ASSERT_EQ(line.pixelIndex(x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(Text(), (Codes{kHan}));
}

TEST_F(KeyboardWindow, ClearBlanksTheLineAtOnceAlsoMidSyllable) {
    Type("rk");
    ASSERT_FALSE(AllWhite(window.imMoji->Picture()));
    window.btClearClick();
    EXPECT_TRUE(AllWhite(window.imMoji->Picture()));
    EXPECT_EQ(Text(), (Codes{0}));
}

TEST_F(KeyboardWindow, ShowCodesLoadsTheListIntoAnotherImageAndTypingContinuesAfterIt) {
    platform::TImage studyLine;
    studyLine.resize(456, 24);
    const Codes word{kHan, kGa};
    window.ShowCodes(studyLine, &word);
    Type("r");
    EXPECT_EQ(Text(), (Codes{kHan, kGa, 0x1100}));
    EXPECT_EQ(window.TargetImage, &studyLine);
    EXPECT_EQ(studyLine.Picture().size(), QSize(456, 24));
    // The lone ㄱ is the top-left 16 × 16 of the bbG picture, at (4, 2) of cell 2.
    const QImage& glyph = window.JamoButton(1)->Glyph();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(studyLine.Picture().pixelIndex(48 + 4 + x, 2 + y), glyph.pixelIndex(x, y));
    EXPECT_TRUE(AllWhite(window.imMoji->Picture()));

    window.ShowCodes(studyLine, nullptr);
    EXPECT_EQ(Text(), (Codes{0}));
    EXPECT_TRUE(AllWhite(studyLine.Picture()));
}

TEST_F(KeyboardWindow, ComponentsStandWhereTheyBelong) {
    struct {
        const char* name;
        QRect geometry;
    } const cases[] = {
        {"imMoji", {8, 6, 545, 24}},     {"bbG", {8, 56, 32, 32}},
        {"bbH", {528, 56, 32, 32}},      {"bbGG", {8, 96, 32, 32}},
        {"bbJJ", {328, 96, 32, 32}},     {"bbI", {368, 168, 32, 32}},
        {"bbUI2", {408, 208, 32, 32}},   {"btBack", {488, 104, 32, 32}},
        {"btPaste", {528, 139, 32, 32}}, {"btClose", {488, 216, 75, 25}},
    };
    for (const auto& c : cases) {
        const auto* widget =
            window.centralWidget()->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
    }
    EXPECT_EQ(window.width(), 573);
    EXPECT_EQ(window.height() - window.menuBar()->height(), 282);
    EXPECT_EQ(window.statusBar()->height(), 19);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zelpaキーボード"));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    ASSERT_EQ(window.JamoButtons.size(), 40u);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(window.JamoButtons[i]->Tag(), i < 19 ? i + 1 : i + 31) << i;
}

TEST_F(KeyboardWindow, HintsReachTheStatusBarFromControlsAndMenuItems) {
    struct {
        QObject* control;
        QString hint;
        bool toolTip = true;
    } const cases[] = {
        {window.JamoButton(1), QStringLiteral("読み：k・g か行・が行 キー：r")},
        {window.JamoButton(53), QStringLiteral("読み：ye いぇ段 キー：SHIFT + o")},
        {window.JamoButton(59), QString()},                     // compound vowels have no hint
        {window.btClose, QStringLiteral("終了します"), false},  // only in the status bar
        {window.btPaste,
         QStringLiteral("指定された文字コードでコピーされた韓国語を貼り付けます。")},
        {window.mmSave16, QStringLiteral("&#x12ad・・の形式でファイルに保存します")},
    };
    for (const auto& c : cases) {
        const auto* widget = qobject_cast<QWidget*>(c.control);
        const QString tip =
            widget ? widget->statusTip() : qobject_cast<QAction*>(c.control)->statusTip();
        EXPECT_EQ(tip, c.hint);
        if (widget) {
            EXPECT_EQ(widget->toolTip(), c.toolTip ? c.hint : QString()) << c.hint.toStdString();
        }
        window.statusBar()->showMessage(QStringLiteral("-"));
        QStatusTipEvent event(tip);
        QApplication::sendEvent(widget ? const_cast<QWidget*>(widget) : window.menuBar(), &event);
        EXPECT_EQ(window.statusBar()->currentMessage(), c.hint);
    }
}

TEST_F(KeyboardWindow, MenuEntriesCarryTheirCaptions) {
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("編集(&E)"),
                                   QStringLiteral("ﾂｰﾙ(&T)"), QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"),
                                   QStringLiteral("ﾍﾙﾌﾟ(&H)")}));
    EXPECT_EQ(window.IER1->text(), QStringLiteral("IEへの登録(&R)"));
    EXPECT_EQ(window.mmProp->text(), QStringLiteral("設定(&P)"));
    EXPECT_FALSE(window.mmField->isEnabled());
}

TEST(KeyboardWindowLifetime, HintsAfterTheWindowIsGoneReachNoOne) {
    TTestProgramFolder folder;
    { TfrmKeyboard window("jamkey.dat"); }
    QWidget other;
    QStatusTipEvent tip(QStringLiteral("hint"));
    QApplication::sendEvent(&other, &tip);  // must not reach the destroyed window
}

}  // namespace
