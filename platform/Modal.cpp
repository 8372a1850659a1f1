#include "platform/Modal.h"

#include <QDialog>
#include <QMessageBox>

namespace platform {
namespace {
ModalDriver& Driver() {
    static ModalDriver driver;
    return driver;
}
TMessageBoxRecorder*& Recorder() {
    static TMessageBoxRecorder* recorder = nullptr;
    return recorder;
}
}  // namespace

int ShowModal(QDialog& form) {
    if (Driver())
        return Driver()(form);
    form.setWindowModality(form.parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    return form.exec();
}

void SetModalDriver(ModalDriver driver) {
    Driver() = std::move(driver);
}

int MessageBox(const QString& text, const QString& caption, TMsgButtons buttons, TMsgIcon icon) {
    if (TMessageBoxRecorder* recorder = Recorder()) {
        recorder->messages.push_back({text, caption, buttons, icon});
        if (recorder->answers.empty())
            return buttons == TMsgButtons::Ok ? mrOk : mrYes;
        const int answer = recorder->answers.front();
        recorder->answers.pop_front();
        return answer;
    }
    QMessageBox box(
        icon == TMsgIcon::Stop ? QMessageBox::Critical : QMessageBox::Information, caption, text,
        buttons == TMsgButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return mrYes;
        case QMessageBox::No:
            return mrNo;
        default:
            return mrOk;
    }
}

TMessageBoxRecorder::TMessageBoxRecorder() {
    Recorder() = this;
}
TMessageBoxRecorder::~TMessageBoxRecorder() {
    Recorder() = nullptr;
}

}  // namespace platform
