#pragma once

#include <QDialog>
#include <array>

#include "keyboard/Cmsaver.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The pattern dialog: which form copying and pasting use, and whether each clears the text.
// Created once per run, so its controls keep their state between uses.
class TfrmPattern : public QDialog {
  public:
    explicit TfrmPattern(QWidget* parent = nullptr);

    // Shows the dialog on the four choices of `settings` and writes them back on OK; returns the
    // modal result. Any other result leaves `settings` untouched.
    int Execute(TKeyboardSettings& settings);
    void btOkClick();
    // The close box closes with Cancel, like the Cancel button.
    void reject() override;
    // The EUC-KR choices need the pair table.
    void EnableEucKr(bool enabled);

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    std::array<QRadioButton*, 4> rbCopy{};   // rbCopy1 to rbCopy4: tpUnicode to tpHexRef
    std::array<QRadioButton*, 4> rbPaste{};  // rbPaste1 to rbPaste4
    QCheckBox* cbClear1 = nullptr;
    QCheckBox* cbClear2 = nullptr;
    QPushButton* btOk = nullptr;
    QPushButton* btCancel = nullptr;
};
