#include "keyboard/Uni2euc.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include "exchange_tables.h"
#include "temp_folder.h"

namespace {

// --- The generated table -------------------------------------------------------------------------

TEST(GeneratedTable, HoldsEveryMappedDoubleByteCodeOfIconvInCodeOrder) {
    const std::filesystem::path path = GeneratedTablePath();
    const TUni2Euc& table = GeneratedTable();
    ASSERT_TRUE(table.IsLoaded()) << path;
    EXPECT_EQ(std::filesystem::file_size(path), 4 + 4 * table.PairCount());

    iconv_t cd = iconv_open("UCS-4LE", "EUC-KR");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::size_t mapped = 0;
    for (unsigned lead = 0xA1; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            std::array<char, 2> in{static_cast<char>(lead), static_cast<char>(trail)};
            std::array<unsigned char, 8> out{};
            char* inPtr = in.data();
            char* outPtr = reinterpret_cast<char*>(out.data());
            std::size_t inLeft = in.size();
            std::size_t outLeft = out.size();
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != std::size_t(-1) &&
                            outLeft == out.size() - 4 && out[2] == 0 && out[3] == 0;
            const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
            if (!ok) {
                EXPECT_EQ(table.EucToUni(code), 32) << std::hex << code;
                continue;
            }
            ++mapped;
            const auto uni = static_cast<std::uint16_t>(out[0] | out[1] << 8);
            EXPECT_EQ(table.EucToUni(code), uni) << std::hex << code;
            EXPECT_EQ(table.UniToEuc(uni), code) << std::hex << uni;
        }
    }
    iconv_close(cd);
    EXPECT_EQ(table.PairCount(), mapped);

    int hangul = 0;
    for (std::int32_t syllable = 0xAC00; syllable <= 0xD7A3; ++syllable) {
        hangul += table.UniToEuc(syllable) != syllable;
    }
    EXPECT_EQ(hangul, 2350);
}

TEST(GeneratedTable, StoresPairsAsCountThenEucThenUnicodeLittleEndian) {
    std::ifstream in(GeneratedTablePath(), std::ios::binary);
    std::array<unsigned char, 8> head{};
    in.read(reinterpret_cast<char*>(head.data()), head.size());
    const std::uint32_t count = head[0] | head[1] << 8 | head[2] << 16 | head[3] << 24;
    EXPECT_EQ(count, GeneratedTable().PairCount());
    // The first code, A1A1, is the ideographic space.
    EXPECT_EQ(head[4], 0xA1);
    EXPECT_EQ(head[5], 0xA1);
    EXPECT_EQ(head[6], 0x00);
    EXPECT_EQ(head[7], 0x30);
}

struct TLookupCase {
    std::int32_t uni;
    std::int32_t euc;
};

TEST(GeneratedTable, UniToEucLooksUpTheLow16BitsAndPassesUnpairedValuesWhole) {
    const TLookupCase cases[] = {
        {0xAC00, 0xB0A1},   // 가
        {0xB3C4, 0xB5B5},   // 도
        {0xBE44, 0xBAF1},   // 비
        {0x1AC00, 0xB0A1},  // only the low 16 bits are looked up
        {0x1100, 0x1100},   // conjoining jamo: not in the set
        {32, 32},          {'A', 'A'}, {0x12345, 0x12345}, {-1, -1}, {0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GeneratedTable().UniToEuc(c.uni), c.euc) << std::hex << c.uni;
    }
}

TEST(GeneratedTable, EucToUniGivesASpaceForUnpairedCodes) {
    const TUni2Euc& table = GeneratedTable();
    EXPECT_EQ(table.EucToUni(0xB0A1), 0xAC00);
    EXPECT_EQ(table.EucToUni(0x4142), 32);  // two ASCII letters
    EXPECT_EQ(table.EucToUni(0xB000), 32);  // a lead byte and the terminator
    EXPECT_EQ(table.EucToUni(0xA1A0), 32);  // trail byte below the range
    EXPECT_EQ(table.EucToUni(0xFFFF), 32);
}

TEST(GeneratedTable, ListUniToEucAppendsCutTo16Bits) {
    std::vector<std::uint16_t> target{7};
    const std::vector<std::int32_t> source{0xAC00, 0x12345, 0x1100, -1, 32, 0};
    GeneratedTable().ListUniToEuc(source, target);
    EXPECT_EQ(target, (std::vector<std::uint16_t>{7, 0xB0A1, 0x2345, 0x1100, 0xFFFF, 32, 0}));
}

// --- Hand-made tables ----------------------------------------------------------------------------

TEST(PairTable, EmptyTablePassesValuesThroughAndPastesSpaces) {
    const TUni2Euc table;
    EXPECT_FALSE(table.IsLoaded());
    EXPECT_EQ(table.UniToEuc(0xAC00), 0xAC00);
    EXPECT_EQ(table.UniToEuc(0x1AC00), 0x1AC00);
    EXPECT_EQ(table.UniToEuc(-5), -5);
    EXPECT_EQ(table.EucToUni(0xB0A1), 32);
}

TEST(PairTable, MissingFileLeavesTheTableEmpty) {
    const TTempFolder folder;
    const auto missing = folder / "euc2uni.dll";
    const TUni2Euc fromConstructor(missing);
    EXPECT_FALSE(fromConstructor.IsLoaded());

    TUni2Euc table = TableOf({{0xB0A1, 0xAC00}});
    EXPECT_FALSE(table.LoadTable(missing));
    EXPECT_FALSE(table.IsLoaded());
    EXPECT_EQ(table.UniToEuc(0xAC00), 0xAC00);
    EXPECT_EQ(table.EucToUni(0xB0A1), 32);
}

TEST(PairTable, BothDirectionsTakeTheFirstPairInFileOrder) {
    const TUni2Euc table = TableOf({
        {0xA1A1, 0x1000},
        {0xA2A2, 0x1000},  // Unicode member taken: found only from its EUC-KR side
        {0xA1A1, 0x2000},  // EUC-KR member taken: found only from its Unicode side
        {0xB1B1, 0x0020},  // an earlier pair that maps to a space still wins
        {0xB1B1, 0x3000},
        {0x1234, 0x1234},  // a pair of equal members is found, not passed through
    });
    EXPECT_EQ(table.PairCount(), 6u);
    EXPECT_EQ(table.UniToEuc(0x1000), 0xA1A1);
    EXPECT_EQ(table.EucToUni(0xA2A2), 0x1000);
    EXPECT_EQ(table.EucToUni(0xA1A1), 0x1000);
    EXPECT_EQ(table.UniToEuc(0x2000), 0xA1A1);
    EXPECT_EQ(table.EucToUni(0xB1B1), 0x0020);
    EXPECT_EQ(table.UniToEuc(0x3000), 0xB1B1);
    EXPECT_EQ(table.UniToEuc(0x11234), 0x1234);
}

struct TCountCase {
    const char* name;
    std::string bytes;
    std::size_t pairs;  // pairs read; pair i is {0xA100 + i, 0x4E00 + i}
};

std::vector<TPair> NumberedPairs(int count) {
    std::vector<TPair> pairs;
    for (int i = 0; i < count; ++i) {
        pairs.push_back(
            {static_cast<std::uint16_t>(0xA100 + i), static_cast<std::uint16_t>(0x4E00 + i)});
    }
    return pairs;
}

TEST(PairTable, ReadsAtMostCountPairsAndOnlyCompleteOnes) {
    const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const TCountCase cases[] = {
        {"empty file", "", 0},
        {"three bytes of a count", TableFileBytes(1, {}).substr(0, 3), 0},
        {"only the count", TableFileBytes(5, {}), 0},
        {"count 0", TableFileBytes(0, NumberedPairs(2)), 0},
        {"negative count", TableFileBytes(-1, NumberedPairs(2)), 0},
        {"smallest count",
         TableFileBytes(std::numeric_limits<std::int32_t>::min(), NumberedPairs(2)), 0},
        {"count below the pairs present", TableFileBytes(2, NumberedPairs(3)), 2},
        {"count above the pairs present", TableFileBytes(3, NumberedPairs(2)) + "\x01\x02\x03", 2},
        {"absurd count", TableFileBytes(kMax, NumberedPairs(2)), 2},
        {"absurd count, many pairs", TableFileBytes(kMax, NumberedPairs(5000)), 5000},
        {"exact count, many pairs", TableFileBytes(5000, NumberedPairs(5000)), 5000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TUni2Euc table = TableOf({{0xB0A1, 0xAC00}});
        std::istringstream in(c.bytes);
        table.LoadTable(in);
        EXPECT_EQ(table.PairCount(), c.pairs);
        EXPECT_EQ(table.IsLoaded(), c.pairs > 0);
        EXPECT_EQ(table.UniToEuc(0xAC00), 0xAC00) << "the previous table is gone";
        if (c.pairs > 0) {
            const auto last = static_cast<std::uint16_t>(c.pairs - 1);
            EXPECT_EQ(table.EucToUni(0xA100 + last), 0x4E00 + last);
        }
        const auto next = static_cast<std::uint16_t>(c.pairs);
        EXPECT_EQ(table.EucToUni(0xA100 + next), 32) << "no pair beyond those read";
    }
}

TEST(PairTable, LoadsAFileByPath) {
    const TTempFolder folder;
    const auto path = folder / "euc2uni.dll";
    {
        std::ofstream out(path, std::ios::binary);
        out << TableFileBytes(2, {{0xB0A1, 0xAC00}, {0xB0A2, 0xAC01}});
    }
    TUni2Euc table;
    EXPECT_TRUE(table.LoadTable(path));
    EXPECT_EQ(table.PairCount(), 2u);
    EXPECT_EQ(table.UniToEuc(0xAC01), 0xB0A2);
    EXPECT_EQ(TUni2Euc(path).EucToUni(0xB0A1), 0xAC00);
}

}  // namespace
