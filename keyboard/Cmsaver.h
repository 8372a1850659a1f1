#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

// The copy and paste patterns of the clipboard exchange. Any other stored value selects no form.
enum TTextPattern : std::int32_t {
    tpUnicode = 0,     // copy: EUC-KR text and UTF-16 text together; paste: UTF-16 text
    tpEucKr = 1,       // EUC-KR text
    tpDecimalRef = 2,  // decimal numeric character references (&#46020;)
    tpHexRef = 3,      // hexadecimal numeric character references (&#xb3c4;)
};

// The keyboard window's settings, kept between runs as six little-endian int32 (24 bytes).
struct TKeyboardSettings {
    std::int32_t InitFlag = 0;      // not interpreted here; jamkey sets it to 1 on first load
    std::int32_t CopyPattern = 0;   // a TTextPattern
    std::int32_t ClearOnCopy = 0;   // only exactly 1 clears after a copy
    std::int32_t PastePattern = 0;  // a TTextPattern
    std::int32_t ClearOnPaste = 0;  // only exactly 1 clears before a paste
    std::int32_t Reserved = 0;      // kept unchanged

    static constexpr std::size_t kFileSize = 24;
    using Bytes = std::array<unsigned char, kFileSize>;

    bool operator==(const TKeyboardSettings&) const = default;
};

// The record as stored in its file.
TKeyboardSettings::Bytes SettingsToBytes(const TKeyboardSettings& settings);
// The record from the bytes of its file: fewer than 24 bytes fill it from the front and leave the
// rest 0; bytes after the first 24 are ignored.
TKeyboardSettings SettingsFromBytes(std::span<const unsigned char> bytes);

// Loads and saves the settings file.
class TCommonSaver {
  public:
    // Sets settings to all 0, then reads fileName into it. Returns 0 when the file was read and
    // -1 when it does not exist. Throws std::system_error when it exists but cannot be read; the
    // settings then stay 0.
    int Load(const std::filesystem::path& fileName, TKeyboardSettings& settings) const;
    // Writes the 24 bytes to a temporary file beside fileName and renames it over fileName, so the
    // old file stays whole until the new one is complete. Returns the error on failure (the
    // temporary file is removed and fileName is untouched); never throws.
    std::error_code Save(const std::filesystem::path& fileName,
                         const TKeyboardSettings& settings) const noexcept;
};
