#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "keyboard/Cmsaver.h"
#include "keyboard/GlyphRenderer.h"
#include "keyboard/Keybord.h"
#include "keyboard/Uni2euc.h"
#include "platform/Clipboard.h"
#include "platform/Widgets.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class TfrmPattern;

// The on-screen Hangul keyboard: 40 jamo buttons, the editing buttons, a one-line text image, a
// menu and a status bar. Every jamo entered by mouse or Latin key goes to the composer, and after
// every edit the whole line is drawn again from the glyph sheets.
class TfrmKeyboard : public QMainWindow {
  public:
    // The name of the settings file in the program folder ("jamkey.dat" or "sorvel.dat").
    explicit TfrmKeyboard(std::string settingsFileName, QWidget* parent = nullptr);
    ~TfrmKeyboard() override;

    // Event handlers.
    void bbGClick(const platform::TPictureButton& sender);
    void btBackClick();
    void btClearClick();
    void btSpaceClick();
    void btCloseClick();
    void mmCLoseClick();
    void mmMinClick();
    // Handles one key press of the window; returns true when the key is consumed.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void OnAppHint(const QString& hint);
    void btCopyClick();
    void btPasteClick();
    void mmSave10Click();
    void mmSave16Click();
    void mmPropClick();

    // The clipboard forms of the text: each adds its format to what one copy places.
    void CopyAsEucKr(const std::vector<std::int32_t>& text, platform::TClipboardData& data) const;
    void CopyAsUnicode(const std::vector<std::int32_t>& text, platform::TClipboardData& data) const;
    void CopyAsDecimalRefs(const std::vector<std::int32_t>& text,
                           platform::TClipboardData& data) const;
    void CopyAsHexRefs(const std::vector<std::int32_t>& text, platform::TClipboardData& data) const;
    // The paste readers: each appends what its clipboard format holds to the committed text.
    void PasteUnicode();
    void PasteEucKr();
    void PasteRefs();

    // Operations other windows call.
    void CommitChar(std::int32_t code);
    void ShowCodes(platform::TImage& image, const std::vector<std::int32_t>* codes);
    void DrawCodes(const std::vector<std::int32_t>* codes);

    TKeyboard Keyboard;
    TUni2Euc Uni2Euc;
    std::vector<platform::TPictureButton*> JamoButtons;
    std::array<QImage, TGlyphRenderer::kSheetCount> GlyphSheets;
    platform::TImage* TargetImage = nullptr;
    TKeyboardSettings Settings;
    // Whether the settings file existed when the window was created.
    bool SettingsFileFound = false;
    // The pattern dialog the Option menu opens; created by the program after this window.
    TfrmPattern* PatternDialog = nullptr;

    // Components.
    platform::TImage* imMoji = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* btBack = nullptr;
    QPushButton* btClear = nullptr;
    QPushButton* btCopy = nullptr;
    QPushButton* btPaste = nullptr;
    QPushButton* btSpace = nullptr;
    QPushButton* btClose = nullptr;
    QAction* mmSave10 = nullptr;
    QAction* mmSave16 = nullptr;
    QAction* mmMin = nullptr;
    QAction* mmCLose = nullptr;
    QAction* mmCopy1 = nullptr;
    QAction* mmPaste = nullptr;
    QAction* mmBack = nullptr;
    QAction* mmAllClear = nullptr;
    QAction* mmField = nullptr;
    QAction* IER1 = nullptr;
    QAction* U1 = nullptr;
    QAction* mmProp = nullptr;
    QAction* mmHome = nullptr;

    // The jamo button of a jamo code (1 to 19, 50 to 70); nullptr for any other value.
    platform::TPictureButton* JamoButton(int code) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    void CreateJamoButtons(QWidget& client);
    void CreateEditButtons(QWidget& client);
    void CreateMenu();
    void Redraw();
    void LoadSettings();
    std::string SettingsPath() const;
    // Saves the text as references to a file the user chooses.
    void SaveRefs(bool hex);

    std::string FSettingsFileName;
    std::unique_ptr<TGlyphRenderer> FRenderer;
    bool FCentred = false;
};
