// Writes the EUC-KR/Unicode pair table euc2uni.dll from the C library's iconv EUC-KR mapping.
//
// Usage: euc2uni OUTPUT
//
// One pair for every double-byte code with lead and trail byte in 0xA1..0xFE that iconv maps to a
// single code unit of the Basic Multilingual Plane, in ascending code order, so the same iconv
// always gives the same file. Layout, little-endian: int32 count N, then N times uint16 EUC-KR
// code (lead byte * 256 + trail byte) and uint16 Unicode code unit.
#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr unsigned kFirstByte = 0xA1;
constexpr unsigned kLastByte = 0xFE;

struct IconvCloser {
    void operator()(iconv_t cd) const { iconv_close(cd); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// The code point of one double-byte EUC-KR code, or 0 when iconv does not map it to exactly one
// character of the Basic Multilingual Plane.
std::uint32_t DecodeOne(iconv_t cd, unsigned lead, unsigned trail) {
    std::array<char, 2> in{static_cast<char>(lead), static_cast<char>(trail)};
    std::array<unsigned char, 16> out{};
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0 || out.size() - outLeft != 4) {
        return 0;
    }
    const std::uint32_t cp = out[0] | out[1] << 8 | out[2] << 16 | std::uint32_t{out[3]} << 24;
    return cp <= 0xFFFF ? cp : 0;
}

void AppendLe(std::vector<unsigned char>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    IconvHandle cd(iconv_open("UCS-4LE", "EUC-KR"));
    if (cd.get() == reinterpret_cast<iconv_t>(-1)) {
        std::fprintf(stderr, "euc2uni: iconv EUC-KR: %s\n", std::strerror(errno));
        return 1;
    }

    std::vector<unsigned char> pairs;
    std::uint32_t count = 0;
    for (unsigned lead = kFirstByte; lead <= kLastByte; ++lead) {
        for (unsigned trail = kFirstByte; trail <= kLastByte; ++trail) {
            if (const std::uint32_t cp = DecodeOne(cd.get(), lead, trail)) {
                AppendLe(pairs, lead << 8 | trail, 2);
                AppendLe(pairs, cp, 2);
                ++count;
            }
        }
    }
    std::vector<unsigned char> file;
    AppendLe(file, count, 4);
    file.insert(file.end(), pairs.begin(), pairs.end());

    const char* path = argv[1];
    std::FILE* out = std::fopen(path, "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "euc2uni: %s: %s\n", path, std::strerror(errno));
        return 1;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    if (std::fclose(out) != 0 || !written) {
        std::fprintf(stderr, "euc2uni: %s: %s\n", path, std::strerror(errno));
        std::remove(path);
        return 1;
    }
    return 0;
}
