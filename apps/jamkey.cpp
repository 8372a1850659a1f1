// jamkey: the stand-alone Hangul on-screen keyboard.
#include "keyboard/Fkeybord.h"
#include "keyboard/Fptndlg.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
    platform::TApplication application(argc, argv);
    int result = 1;
    platform::RunGuarded([&] {
        platform::SetApplicationTitle(QStringLiteral("Zelpaキーボード"));
        TfrmKeyboard frmKeyboard("jamkey.dat");
        // jamkey marks its settings as initialised once they have been loaded.
        if (frmKeyboard.Settings.InitFlag == 0)
            frmKeyboard.Settings.InitFlag = 1;
        TfrmPattern frmPattern;
        frmKeyboard.PatternDialog = &frmPattern;
        frmKeyboard.show();
        result = application.exec();
    });
    return result;
}
