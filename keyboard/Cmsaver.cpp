#include "keyboard/Cmsaver.h"

#include "platform/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>

namespace {

// The fields in file order.
constexpr std::array kFields = {
    &TKeyboardSettings::InitFlag,     &TKeyboardSettings::CopyPattern,
    &TKeyboardSettings::ClearOnCopy,  &TKeyboardSettings::PastePattern,
    &TKeyboardSettings::ClearOnPaste, &TKeyboardSettings::Reserved,
};
static_assert(kFields.size() * 4 == TKeyboardSettings::kFileSize);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::error_code LastError() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

}  // namespace

TKeyboardSettings::Bytes SettingsToBytes(const TKeyboardSettings& settings) {
    TKeyboardSettings::Bytes bytes{};
    for (std::size_t f = 0; f < kFields.size(); ++f) {
        const auto value = static_cast<std::uint32_t>(settings.*kFields[f]);
        for (std::size_t b = 0; b < 4; ++b) {
            bytes[4 * f + b] = static_cast<unsigned char>(value >> (8 * b));
        }
    }
    return bytes;
}

TKeyboardSettings SettingsFromBytes(std::span<const unsigned char> bytes) {
    TKeyboardSettings::Bytes record{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
    TKeyboardSettings settings;
    for (std::size_t f = 0; f < kFields.size(); ++f) {
        std::uint32_t value = 0;
        for (std::size_t b = 0; b < 4; ++b) {
            value |= std::uint32_t{record[4 * f + b]} << (8 * b);
        }
        settings.*kFields[f] = static_cast<std::int32_t>(value);
    }
    return settings;
}

int TCommonSaver::Load(const std::filesystem::path& fileName, TKeyboardSettings& settings) const {
    settings = {};
    std::error_code error;
    if (!std::filesystem::exists(fileName, error)) {
        if (error) {
            throw std::system_error(error, fileName.string());
        }
        return -1;
    }
    errno = 0;
    const FileHandle file(std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        throw std::system_error(LastError(), fileName.string());
    }
    TKeyboardSettings::Bytes bytes{};
    const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get())) {
        throw std::system_error(LastError(), fileName.string());
    }
    settings = SettingsFromBytes(std::span(bytes).first(read));
    return 0;
}

std::error_code TCommonSaver::Save(const std::filesystem::path& fileName,
                                   const TKeyboardSettings& settings) const noexcept {
    const TKeyboardSettings::Bytes bytes = SettingsToBytes(settings);
    try {
        zelpa::WriteFileWhole(fileName,
                              {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    } catch (const std::system_error& error) {
        return error.code();
    }
    return {};
}
