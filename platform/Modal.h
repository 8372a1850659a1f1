#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

class QDialog;

namespace platform {

// Modal results passed between windows.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// Shows a form modally and returns its modal result; a button that sets the result closes the form.
// A form with a parent is modal to that window only, so other windows (the keyboard beside the
// study window) keep taking input.
int ShowModal(QDialog& form);

// Tests replace the modal loop by a driver that works the form's controls and returns its result.
// An empty driver restores the real loop.
using ModalDriver = std::function<int(QDialog&)>;
void SetModalDriver(ModalDriver driver);

enum class TMsgButtons { Ok, YesNo };
enum class TMsgIcon { Stop, Information };

// A message box: text, caption, buttons and icon; returns mrOk, mrYes or mrNo.
int MessageBox(const QString& text, const QString& caption, TMsgButtons buttons, TMsgIcon icon);

struct TRecordedMessage {
    QString text;
    QString caption;
    TMsgButtons buttons;
    TMsgIcon icon;
};

// While it lives, message boxes are recorded instead of shown and answered from `answers`
// (front first; mrOk or mrYes when it runs out).
class TMessageBoxRecorder {
  public:
    TMessageBoxRecorder();
    ~TMessageBoxRecorder();
    TMessageBoxRecorder(const TMessageBoxRecorder&) = delete;
    TMessageBoxRecorder& operator=(const TMessageBoxRecorder&) = delete;

    std::vector<TRecordedMessage> messages;
    std::deque<int> answers;
};

}  // namespace platform
