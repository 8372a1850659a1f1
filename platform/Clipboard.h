#pragma once

#include <optional>
#include <string>

namespace platform {

// The two clipboard formats of the keyboard: bytes (CF_TEXT, here ASCII or EUC-KR) and Unicode
// text (CF_UNICODETEXT, UTF-16). Data is kept without its terminating zero.
struct TClipboardData {
    std::optional<std::string> text;
    std::optional<std::u16string> unicodeText;
};

class TClipboard {
  public:
    virtual ~TClipboard() = default;
    // Empties the clipboard once and places every format that `data` holds.
    virtual void Set(const TClipboardData& data) = 0;
    // The bytes of the clipboard's text, or nothing when it holds no text.
    virtual std::optional<std::string> Text() const = 0;
    // The clipboard's Unicode text, or nothing when it holds no text.
    virtual std::optional<std::u16string> UnicodeText() const = 0;
};

// The clipboard of the desktop, or the one a test installed.
TClipboard& Clipboard();

// Tests install an in-memory clipboard; nullptr restores the desktop's.
void SetClipboardForTests(TClipboard* clipboard);

// A clipboard in memory, for tests: it returns exactly what was set.
class TMemoryClipboard : public TClipboard {
  public:
    void Set(const TClipboardData& data) override { FData = data; }
    std::optional<std::string> Text() const override { return FData.text; }
    std::optional<std::u16string> UnicodeText() const override { return FData.unicodeText; }

  private:
    TClipboardData FData;
};

// Minimises every window of the application.
void MinimizeApplication();

}  // namespace platform
