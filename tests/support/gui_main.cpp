// main() of the GUI tests: one application object for all tests.
#include <gmock/gmock.h>

#include <QStandardPaths>

#include "platform/Application.h"

int main(int argc, char** argv) {
    testing::InitGoogleMock(&argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    // GUI tests need no display: Qt's offscreen platform unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
