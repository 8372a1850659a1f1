// The settings file of arbitrary bytes, through TCommonSaver's Load: the record is the file's first
// 24 bytes, zero-padded, and the record stored again is exactly those bytes.
#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "keyboard/Cmsaver.h"

namespace {

const std::filesystem::path& SettingsFile() {
    static const std::filesystem::path path = [] {
        std::string folder =
            (std::filesystem::temp_directory_path() / "fuzz_settings-XXXXXX").string();
        if (mkdtemp(folder.data()) == nullptr) {
            std::abort();
        }
        return std::filesystem::path(folder) / "jamkey.dat";
    }();
    return path;
}

void RemoveFolder() {
    std::filesystem::remove_all(SettingsFile().parent_path());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SettingsFile();
    std::atexit(RemoveFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(SettingsFile(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    TKeyboardSettings settings;
    if (TCommonSaver().Load(SettingsFile(), settings) != 0) {
        std::abort();
    }
    TKeyboardSettings::Bytes expected{};
    std::copy_n(data, std::min(size, expected.size()), expected.begin());
    if (SettingsToBytes(settings) != expected || SettingsFromBytes({data, size}) != settings) {
        std::abort();
    }
    return 0;
}
