#pragma once

#include <QApplication>
#include <QFont>
#include <QString>
#include <functional>

namespace platform {

// The application object of both programs. Every event handler runs through notify(), which turns
// an exception escaping a handler into the standard error box and returns to the message loop.
class TApplication : public QApplication {
  public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs one handler; an escaping exception is shown in the standard error box instead.
void RunGuarded(const std::function<void()>& handler);

// The standard error box: the text with the application title as caption and a stop icon.
void ShowErrorBox(const QString& text);

// The application title: the caption of the error box.
void SetApplicationTitle(const QString& title);

// Installs the application-wide hint handler: it receives every status tip shown anywhere in the
// application (the mouse entering a control, a menu item highlighted), "" when it goes away.
// A second call replaces the handler.
void SetHintHandler(std::function<void(const QString&)> handler);

// The Japanese UI font at the given pixel size: the original face first, then an installed
// Japanese Gothic face.
QFont JapaneseUiFont(int pixelSize);

}  // namespace platform
