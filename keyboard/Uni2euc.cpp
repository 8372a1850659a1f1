#include "keyboard/Uni2euc.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace {

constexpr std::size_t kCodeCount = 0x10000;
constexpr std::int32_t kNoEuc = -1;
constexpr std::uint16_t kUnpairedUni = 32;
constexpr std::size_t kPairBytes = 4;
constexpr std::size_t kPairsPerChunk = 4096;

std::uint16_t Le16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::int32_t Le32(const unsigned char* p) {
    return static_cast<std::int32_t>(p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t{p[3]} << 24);
}

}  // namespace

TUni2Euc::TUni2Euc() {
    Clear();
}

TUni2Euc::TUni2Euc(const std::filesystem::path& tableFile) : TUni2Euc() {
    LoadTable(tableFile);
}

void TUni2Euc::Clear() {
    FUniToEuc.assign(kCodeCount, kNoEuc);
    FEucToUni.assign(kCodeCount, kUnpairedUni);
    FPairCount = 0;
}

bool TUni2Euc::LoadTable(const std::filesystem::path& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        Clear();
        return false;
    }
    LoadTable(in);
    return true;
}

void TUni2Euc::LoadTable(std::istream& in) {
    Clear();
    std::array<unsigned char, kPairsPerChunk * kPairBytes> chunk;
    in.read(reinterpret_cast<char*>(chunk.data()), 4);
    if (in.gcount() != 4) {
        return;
    }
    const std::int32_t count = Le32(chunk.data());
    std::size_t remaining = count > 0 ? static_cast<std::size_t>(count) : 0;

    // A later pair never replaces an earlier one, in either direction.
    std::vector<bool> eucSeen(kCodeCount);
    while (remaining > 0) {
        const std::size_t wanted = std::min(remaining, kPairsPerChunk);
        in.read(reinterpret_cast<char*>(chunk.data()),
                static_cast<std::streamsize>(wanted * kPairBytes));
        const std::size_t pairs = static_cast<std::size_t>(in.gcount()) / kPairBytes;
        for (std::size_t i = 0; i < pairs; ++i) {
            const std::uint16_t euc = Le16(&chunk[i * kPairBytes]);
            const std::uint16_t uni = Le16(&chunk[i * kPairBytes + 2]);
            if (FUniToEuc[uni] == kNoEuc) {
                FUniToEuc[uni] = euc;
            }
            if (!eucSeen[euc]) {
                eucSeen[euc] = true;
                FEucToUni[euc] = uni;
            }
        }
        FPairCount += pairs;
        if (pairs < wanted) {
            return;
        }
        remaining -= wanted;
    }
}

void TUni2Euc::ListUniToEuc(std::span<const std::int32_t> source,
                            std::vector<std::uint16_t>& target) const {
    for (const std::int32_t x : source) {
        target.push_back(static_cast<std::uint16_t>(UniToEuc(x)));
    }
}
