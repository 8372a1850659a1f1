// main() of the GUI tests: one application object on Qt's offscreen platform for all tests.
#include <gmock/gmock.h>

#include <QStandardPaths>

#include "platform/Application.h"

int main(int argc, char** argv) {
    testing::InitGoogleMock(&argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    platform::TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
