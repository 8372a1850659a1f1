#include "platform/Application.h"

#include <QStatusTipEvent>
#include <exception>

#include "platform/Modal.h"

namespace platform {
namespace {
QString& Title() {
    static QString title;
    return title;
}

std::function<void(const QString&)>& HintHandler() {
    static std::function<void(const QString&)> handler;
    return handler;
}

// Sees every status tip on its way through the application and hands it to the hint handler.
class THintFilter : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::StatusTip && HintHandler())
            HintHandler()(static_cast<QStatusTipEvent*>(event)->tip());
        return QObject::eventFilter(watched, event);
    }
};
}  // namespace

void ShowErrorBox(const QString& text) {
    MessageBox(text, Title(), TMsgButtons::Ok, TMsgIcon::Stop);
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowErrorBox(QStringLiteral("予期しないエラーが発生しました"));
    }
}

void SetApplicationTitle(const QString& title) {
    // Kept here rather than as Qt's display name, which Qt would append to every other caption.
    Title() = title;
}

void SetHintHandler(std::function<void(const QString&)> handler) {
    static THintFilter* filter = nullptr;
    if (!filter) {
        filter = new THintFilter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
    HintHandler() = std::move(handler);
}

QFont JapaneseUiFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace platform
