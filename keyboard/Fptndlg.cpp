#include "keyboard/Fptndlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Application.h"
#include "platform/Modal.h"

namespace {
// The captions of the four patterns, in pattern order; both groups show them.
constexpr const char* kPatternCaptions[] = {
    "UNICODE(NT,2000,XPかつIE,メモ帳など)要ハングルフォント",
    "EUC-KR(UNICODEの条件以外のソフト)要ハングルフォント",
    "10進UNICODE(&&#46020;&&#48708;など)HP作成用",
    "16進UNICODE(&&#xb3c4;&&#xbe44;など)HP作成用",
};

// Builds one group: its four radio buttons and its clear check box.
QGroupBox* PatternGroup(const char* title, const char* name, std::array<QRadioButton*, 4>& radios,
                        QCheckBox*& clear, const char* clearName, const char* clearCaption,
                        QWidget* parent) {
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    auto* layout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < radios.size(); ++i) {
        radios[i] = new QRadioButton(QString::fromUtf8(kPatternCaptions[i]), group);
        radios[i]->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(name)).arg(i + 1));
        layout->addWidget(radios[i]);
    }
    clear = new QCheckBox(QString::fromUtf8(clearCaption), group);
    clear->setObjectName(QString::fromLatin1(clearName));
    layout->addWidget(clear);
    return group;
}

// Selects the radio button of a stored pattern; any other value leaves the selection as it is.
void SelectPattern(const std::array<QRadioButton*, 4>& radios, std::int32_t pattern) {
    if (pattern >= 0 && pattern < static_cast<std::int32_t>(radios.size()))
        radios[pattern]->setChecked(true);
}

// The pattern of the first selected radio button; `current` when none is selected.
std::int32_t SelectedPattern(const std::array<QRadioButton*, 4>& radios, std::int32_t current) {
    for (std::size_t i = 0; i < radios.size(); ++i)
        if (radios[i]->isChecked())
            return static_cast<std::int32_t>(i);
    return current;
}
}  // namespace

TfrmPattern::TfrmPattern(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("コピー・貼り付けパターン"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(platform::JapaneseUiFont(12));
    auto* layout = new QVBoxLayout(this);
    GroupBox1 = PatternGroup("コピーしたいパターンを選んでください", "rbCopy", rbCopy, cbClear1,
                             "cbClear1", "コピー時にデータを消去する", this);
    GroupBox2 = PatternGroup("貼り付けたいパターンを選んでください", "rbPaste", rbPaste, cbClear2,
                             "cbClear2", "貼り付け時にデータを消去する", this);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btOk = new QPushButton(QStringLiteral("OK"), this);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btOk->setDefault(true);
    buttons->addWidget(btOk);
    buttons->addWidget(btCancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(btOk, &QPushButton::clicked, this, &TfrmPattern::btOkClick);
    connect(btCancel, &QPushButton::clicked, this, &TfrmPattern::reject);
}

void TfrmPattern::btOkClick() {
    done(platform::mrOk);
}

void TfrmPattern::reject() {
    done(platform::mrCancel);
}

void TfrmPattern::EnableEucKr(bool enabled) {
    rbCopy[tpEucKr]->setEnabled(enabled);
    rbPaste[tpEucKr]->setEnabled(enabled);
}

int TfrmPattern::Execute(TKeyboardSettings& settings) {
    SelectPattern(rbCopy, settings.CopyPattern);
    SelectPattern(rbPaste, settings.PastePattern);
    cbClear1->setChecked(settings.ClearOnCopy != 0);
    cbClear2->setChecked(settings.ClearOnPaste != 0);
    const int result = platform::ShowModal(*this);
    QApplication::processEvents();
    if (result == platform::mrOk) {
        settings.CopyPattern = SelectedPattern(rbCopy, settings.CopyPattern);
        settings.PastePattern = SelectedPattern(rbPaste, settings.PastePattern);
        settings.ClearOnCopy = cbClear1->isChecked() ? 1 : 0;
        settings.ClearOnPaste = cbClear2->isChecked() ? 1 : 0;
    }
    return result;
}
