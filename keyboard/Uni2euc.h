#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <span>
#include <vector>

// The EUC-KR/Unicode pair table of the EUC-KR copy and paste patterns, read from euc2uni.dll
// (little-endian: int32 count N, then N pairs of uint16 EUC-KR code and uint16 Unicode code
// unit). Both directions give the first pair in file order whose member matches; two
// 65,536-entry indexes, filled first-match-wins while reading, make every lookup one array access.
class TUni2Euc {
  public:
    // An empty table: UniToEuc passes every value through, EucToUni gives 32 for every code.
    TUni2Euc();
    // Reads tableFile when it exists; without it the table stays empty.
    explicit TUni2Euc(const std::filesystem::path& tableFile);

    // Empties the table and reads fileName. Returns false, leaving the table empty, when the file
    // cannot be opened.
    bool LoadTable(const std::filesystem::path& fileName);
    // Empties the table and reads pairs from in: at most N of them, and only as many complete
    // pairs as the stream holds, so a count that promises more is never allocated for.
    void LoadTable(std::istream& in);

    // The EUC-KR code paired with the low 16 bits of v, or v itself (all 32 bits) when none is.
    std::int32_t UniToEuc(std::int32_t v) const {
        const std::int32_t euc = FUniToEuc[static_cast<std::uint16_t>(v)];
        return euc < 0 ? v : euc;
    }
    // The Unicode code unit paired with the EUC-KR code v, or 32 (a space) when none is.
    std::uint16_t EucToUni(std::uint16_t v) const { return FEucToUni[v]; }
    // Appends UniToEuc of every element of source, cut to 16 bits, to target.
    void ListUniToEuc(std::span<const std::int32_t> source,
                      std::vector<std::uint16_t>& target) const;
    bool IsLoaded() const { return FPairCount > 0; }
    std::size_t PairCount() const { return FPairCount; }

  private:
    void Clear();

    std::vector<std::int32_t> FUniToEuc;   // -1 where no pair has that Unicode member
    std::vector<std::uint16_t> FEucToUni;  // 32 where no pair has that EUC-KR member
    std::size_t FPairCount = 0;
};
