// The EUC-KR and UTF-16 paste scans on arbitrary clipboard data, with a small table that also
// pairs a code whose trail byte is the terminator. The EUC-KR scan, which reads blocks of bytes
// at once, must agree with reading one element after another.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "keyboard/TextForms.h"

namespace {

const TUni2Euc& Table() {
    static const TUni2Euc table = [] {
        // count 3, then B0A1 -> AC00 (가), B000 -> 1234, 2020 -> 0041
        const std::string bytes("\x03\x00\x00\x00\xA1\xB0\x00\xAC\x00\xB0\x34\x12\x20\x20\x41\x00",
                                16);
        std::istringstream in(bytes);
        TUni2Euc loaded;
        loaded.LoadTable(in);
        return loaded;
    }();
    return table;
}

// The plain reading: up to the first zero byte, a space is one element and any other byte pairs
// with the next one (or with the terminator).
std::vector<std::int32_t> ReadOneByOne(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::vector<std::int32_t> codes;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead == ' ') {
            codes.push_back(32);
            ++i;
            continue;
        }
        const auto trail = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        codes.push_back(Table().EucToUni(static_cast<std::uint16_t>(lead << 8 | trail)));
        i += 2;
    }
    return codes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::int32_t> codes;
    AppendEucKrText(bytes, Table(), codes);
    if (codes != ReadOneByOne(bytes)) {
        std::abort();
    }

    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    codes.clear();
    AppendUtf16Text(units, codes);
    if (Utf16Text(codes) != std::u16string_view(units).substr(0, codes.size())) {
        std::abort();
    }
    return 0;
}
