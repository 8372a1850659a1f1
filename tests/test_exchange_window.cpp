// The keyboard window's clipboard exchange, reference files and pattern dialog, on an in-memory
// clipboard and with scripted dialogs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTimer>

#include "keyboard/Fkeybord.h"
#include "keyboard/Fptndlg.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/Modal.h"
#include "support/TestFolder.h"

namespace {

using Codes = std::vector<std::int32_t>;
constexpr std::int32_t kDo = 46020;  // 도
constexpr std::int32_t kBi = 48708;  // 비
constexpr std::int32_t kGa = 44032;  // 가

class Exchange : public testing::Test {
  protected:
    Exchange() { platform::SetClipboardForTests(&clipboard); }
    ~Exchange() override {
        platform::SetClipboardForTests(nullptr);
        platform::SetModalDriver({});
        platform::SetSaveFileAnswerForTests({});
    }

    void Type(const char* keys) {
        for (const char* c = keys; *c; ++c)
            window.FormKeyDown(std::toupper(*c), Qt::NoModifier);
    }
    Codes Text() const {
        Codes codes;
        window.Keyboard.GetCodes(codes);
        return codes;
    }
    void UsePatterns(std::int32_t copy, std::int32_t paste) {
        window.Settings.CopyPattern = copy;
        window.Settings.PastePattern = paste;
    }

    TTestProgramFolder folder;
    platform::TMemoryClipboard clipboard;
    platform::TMessageBoxRecorder messages;
    TfrmKeyboard window{"jamkey.dat"};
};

TEST_F(Exchange, CopyPlacesTheFormsOfItsPatternAndMinimizes) {
    struct {
        std::int32_t pattern;
        std::optional<std::string> text;
        std::optional<std::u16string> unicodeText;
    } const cases[] = {
        {tpUnicode, "\xB5\xB5\xBA\xF1", u"도비"},
        {tpEucKr, "\xB5\xB5\xBA\xF1", std::nullopt},
        {tpDecimalRef, "&#46020;&#48708;", std::nullopt},
        {tpHexRef, "&#xb3c4;&#xbe44;", std::nullopt},
    };
    ASSERT_TRUE(window.Uni2Euc.IsLoaded());
    for (const auto& c : cases) {
        window.btClearClick();
        window.show();
        Type("ehql");  // 도비, with 비 still under composition
        UsePatterns(c.pattern, tpUnicode);
        window.btCopyClick();
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(clipboard.Text(), c.text);
        EXPECT_EQ(clipboard.UnicodeText(), c.unicodeText);
        EXPECT_EQ(Text(), (Codes{kDo, kBi}));  // a copy leaves the text as it was
        EXPECT_TRUE(window.isMinimized());
    }
}

TEST_F(Exchange, AnUnknownPatternTouchesNothingButStillClearsAndMinimizes) {
    clipboard.Set({std::string("before"), std::nullopt});
    Type("rk");
    window.show();
    UsePatterns(7, 9);
    window.Settings.ClearOnCopy = 1;
    window.btCopyClick();
    EXPECT_EQ(clipboard.Text(), "before");
    EXPECT_EQ(Text(), Codes{0});
    EXPECT_TRUE(window.isMinimized());
    Type("rk");
    window.btPasteClick();
    EXPECT_EQ(Text(), Codes{kGa});
}

TEST_F(Exchange, EveryPatternRoundTripsThroughTheClipboard) {
    for (std::int32_t pattern : {tpUnicode, tpEucKr, tpDecimalRef, tpHexRef}) {
        window.btClearClick();
        Type("ehql rk");
        const Codes typed = Text();
        UsePatterns(pattern, pattern);
        window.btCopyClick();
        window.btClearClick();
        window.btPasteClick();
        SCOPED_TRACE(pattern);
        // Pasted text is committed: the final 0 marks that nothing is under composition.
        EXPECT_EQ(Text(), (Codes{kDo, kBi, 32, kGa, 0}));
        EXPECT_EQ(typed, (Codes{kDo, kBi, 32, kGa}));
    }
}

TEST_F(Exchange, PasteCommitsTheSyllableUnderCompositionFirst) {
    clipboard.Set({std::string("&#46020;"), std::nullopt});
    UsePatterns(tpUnicode, tpDecimalRef);
    Type("rk");
    window.btPasteClick();
    Type("s");
    EXPECT_EQ(Text(), (Codes{kGa, kDo, 0x1102}));
}

TEST_F(Exchange, ClearSettingsActOnlyWhenExactlyOne) {
    struct {
        std::int32_t clear;
        Codes afterCopy;
        Codes afterPaste;
    } const cases[] = {{1, {0}, {kGa, 0}}, {0, {kGa}, {kGa, kGa, 0}}, {2, {kGa}, {kGa, kGa, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clear);
        window.Settings.ClearOnCopy = c.clear;
        window.Settings.ClearOnPaste = c.clear;
        window.btClearClick();
        Type("rk");
        window.btCopyClick();
        EXPECT_EQ(Text(), c.afterCopy);
        window.btClearClick();
        Type("rk");
        window.btPasteClick();
        EXPECT_EQ(Text(), c.afterPaste);
    }
}

TEST_F(Exchange, ClearBeforePasteEmptiesTheWindowEvenWhenTheClipboardIsEmpty) {
    Type("rk");
    window.Settings.ClearOnPaste = 1;
    window.btPasteClick();
    EXPECT_EQ(Text(), Codes{0});
}

struct TSaveCase {
    const char* keys;
    bool hex;
    std::string content;
    const char* caption;
};

TEST_F(Exchange, SaveWritesTheReferencesAndConfirms) {
    const TSaveCase cases[] = {
        {"ehql", false, "&#46020;&#48708;\r\n", "10進で保存"},
        {"ehql", true, "&#xb3c4;&#xbe44;\r\n", "16進で保存"},
        {"eh ql ", false, "&#46020; &#48708; \r\n", "10進で保存"},
        {"", true, "", "16進で保存"},
    };
    const QString path = folder.File(QStringLiteral("refs.txt"));
    platform::SetSaveFileAnswerForTests([&](const QString& filter) {
        EXPECT_EQ(filter, QStringLiteral("テキストファイル(*.txt)|*.txt"));
        return std::optional<QString>(path);
    });
    for (const TSaveCase& c : cases) {
        window.btClearClick();
        Type(c.keys);
        messages.messages.clear();
        c.hex ? window.mmSave16Click() : window.mmSave10Click();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().toStdString(), c.content);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, QStringLiteral("保存しました"));
        EXPECT_EQ(messages.messages[0].caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(messages.messages[0].icon, platform::TMsgIcon::Information);
    }
}

TEST_F(Exchange, ACancelledOrFailedSaveWritesNothingAndDoesNotConfirm) {
    Type("ehql");
    platform::SetSaveFileAnswerForTests([](const QString&) { return std::nullopt; });
    window.mmSave10Click();
    EXPECT_TRUE(messages.messages.empty());

    const QString unwritable = folder.File(QStringLiteral("no-such-folder/refs.txt"));
    platform::SetSaveFileAnswerForTests([&](const QString&) { return std::optional(unwritable); });
    platform::SetApplicationTitle(QStringLiteral("Zelpaキーボード"));
    platform::RunGuarded([&] { window.mmSave10Click(); });
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, platform::TMsgIcon::Stop);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Zelpaキーボード"));
    EXPECT_NE(messages.messages[0].text, QStringLiteral("保存しました"));
    EXPECT_FALSE(QFile::exists(unwritable));
}

TEST(KeyboardSettingsFile, IsWrittenAtCloseAndReadAtTheNextStart) {
    TTestProgramFolder folder;
    {
        TfrmKeyboard window("sorvel.dat");
        EXPECT_FALSE(window.SettingsFileFound);
        window.Settings = {0, tpHexRef, 0, tpEucKr, 1, 77};
    }
    QFile file(folder.File(QStringLiteral("sorvel.dat")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), 24);
    TfrmKeyboard window("sorvel.dat");
    EXPECT_TRUE(window.SettingsFileFound);
    EXPECT_EQ(window.Settings, (TKeyboardSettings{0, tpHexRef, 0, tpEucKr, 1, 77}));
}

class PatternDialog : public Exchange {
  protected:
    PatternDialog() { window.PatternDialog = &dialog; }

    // Works the dialog like a user: runs `work` on it, then presses OK or Cancel.
    void Drive(std::function<void(TfrmPattern&)> work, bool ok) {
        platform::SetModalDriver([this, work, ok](QDialog& form) {
            keyboardShownDuringDialog = window.isVisible();
            auto& dialog = static_cast<TfrmPattern&>(form);
            work(dialog);
            ok ? dialog.btOkClick() : dialog.btCancel->click();
            return dialog.result();
        });
    }

    TfrmPattern dialog;
    bool keyboardShownDuringDialog = true;
};

TEST_F(PatternDialog, OkWritesTheChoicesBackAndCancelLeavesThem) {
    window.show();
    Drive(
        [](TfrmPattern& d) {
            d.rbCopy[3]->setChecked(true);
            d.rbPaste[1]->setChecked(true);
            d.cbClear1->setChecked(false);
            d.cbClear2->setChecked(true);
        },
        true);
    window.mmPropClick();
    EXPECT_EQ(window.Settings, (TKeyboardSettings{0, tpHexRef, 0, tpEucKr, 1, 0}));
    EXPECT_FALSE(keyboardShownDuringDialog);  // the keyboard steps aside while the dialog is open
    EXPECT_TRUE(window.isVisible());

    Drive([](TfrmPattern& d) { d.cbClear1->setChecked(true); }, false);
    window.mmPropClick();
    EXPECT_EQ(window.Settings, (TKeyboardSettings{0, tpHexRef, 0, tpEucKr, 1, 0}));
    bool shownTicked = true;
    Drive([&](TfrmPattern& d) { shownTicked = d.cbClear1->isChecked(); }, false);
    window.mmPropClick();
    EXPECT_FALSE(shownTicked);
}

TEST_F(PatternDialog, ClosingTheRealDialogLeavesTheProgramRunningWithTheKeyboardShown) {
    // The real modal loop inside the application's loop: while the dialog is open the keyboard is
    // hidden, so the dialog is briefly the last window.
    constexpr int kStillRunning = 7;
    window.show();
    QTimer::singleShot(0, [this] {
        QTimer::singleShot(0, &dialog, &QDialog::reject);
        window.mmPropClick();
        QTimer::singleShot(0, [this] {
            QApplication::exit(window.isVisible() ? kStillRunning : kStillRunning + 1);
        });
    });
    EXPECT_EQ(QApplication::exec(), kStillRunning);
}

TEST_F(PatternDialog, TheCloseBoxCancels) {
    platform::SetModalDriver([](QDialog& form) {
        static_cast<TfrmPattern&>(form).cbClear2->setChecked(true);
        form.reject();
        return form.result();
    });
    TKeyboardSettings settings;
    EXPECT_EQ(dialog.Execute(settings), platform::mrCancel);
    EXPECT_EQ(settings, TKeyboardSettings{});
}

TEST_F(PatternDialog, StoredValuesOutOfRangeKeepTheSelectionAndSurviveOk) {
    TKeyboardSettings settings{0, 2, 0, 3, 0, 0};
    Drive([](TfrmPattern&) {}, true);
    dialog.Execute(settings);
    settings.CopyPattern = 9;
    settings.PastePattern = -4;
    dialog.Execute(settings);  // the selection still shows 2 and 3
    EXPECT_EQ(settings.CopyPattern, 2);
    EXPECT_EQ(settings.PastePattern, 3);
}

TEST_F(PatternDialog, EucKrChoicesAreDisabledWithoutThePairTable) {
    bool copyEnabled = false;
    bool pasteEnabled = false;
    Drive(
        [&](TfrmPattern& d) {
            copyEnabled = d.rbCopy[tpEucKr]->isEnabled();
            pasteEnabled = d.rbPaste[tpEucKr]->isEnabled();
        },
        true);
    window.mmPropClick();
    EXPECT_TRUE(copyEnabled && pasteEnabled);

    window.Uni2Euc = TUni2Euc();
    window.mmPropClick();
    EXPECT_FALSE(copyEnabled || pasteEnabled);
}

}  // namespace
