#include "keyboard/TextForms.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "exchange_tables.h"

namespace {

using TCodes = std::vector<std::int32_t>;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t ga = 0xAC00, na = 0xB098, dong = 0xB3C4, bi = 0xBE44;  // 가 나 도 비

// The pastes append: each case starts from a list that already holds this element.
constexpr std::int32_t kEarlier = 7;

TCodes AfterEarlier(const TCodes& appended) {
    TCodes codes{kEarlier};
    codes.insert(codes.end(), appended.begin(), appended.end());
    return codes;
}

// --- Copy ----------------------------------------------------------------------------------------

struct TEucCopyCase {
    const char* name;
    TCodes text;
    std::string bytes;
};

TEST(EucKrBytes, WritesTableCodesAndElsewhereTheNonZeroBytesOfEachValue) {
    const TEucCopyCase cases[] = {
        {"nothing typed", {0}, ""},
        {"empty list", {}, ""},
        {"Hangul, the last under composition", {dong, bi}, "\xB5\xB5\xBA\xF1"},
        {"Hangul and spaces, nothing composing", {ga, 32, na, 32, 0}, "\xB0\xA1 \xB3\xAA "},
        {"only the low 16 bits are looked up", {0x1AC00}, "\xB0\xA1"},
        {"a value cut to 0x0020 is a space", {0x10020}, " "},
        {"conjoining initial", {0x1100}, "\x11"},
        {"conjoining vowels", {0x1161, 0x1175}, "\x11\x61\x11\x75"},
        {"values below 0x100 except space", {'A', '1', '\n', 0x7F}, ""},
        {"a zero low byte ends the value", {0x1200}, "\x12"},
        {"unpaired value above 16 bits", {0x12345}, "\x23\x45"},
        {"negative value", {-1}, "\xFF\xFF"},
        {"a 0 element inside the text", {ga, 0, ga}, "\xB0\xA1\xB0\xA1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EucKrBytes(c.text, GeneratedTable()), c.bytes) << c.name;
    }
}

TEST(EucKrBytes, WithoutATableWritesEachValuesOwnBytes) {
    const TUni2Euc none;
    EXPECT_EQ(EucKrBytes(TCodes{ga, dong, 32, 0}, none), "\xAC\xB3\xC4 ");
}

struct TUtf16CopyCase {
    const char* name;
    TCodes text;
    std::u16string units;
};

TEST(Utf16Text, GivesTheLow16BitsOfEachElementUpToTheFirstZeroUnit) {
    const TUtf16CopyCase cases[] = {
        {"nothing typed", {0}, u""},
        {"under composition", {dong, bi}, u"\xB3C4\xBE44"},
        {"composing ended", {dong, bi, 0}, u"\xB3C4\xBE44"},
        {"every character kept", {'a', '\n', 32, 0x1100}, u"a\n \x1100"},
        {"a 0 element ends the text", {dong, 0, bi, 0}, u"\xB3C4"},
        {"0x10000 cuts to a zero unit", {dong, 0x10000, bi}, u"\xB3C4"},
        {"values cut to 16 bits", {0x1AC00, -1}, u"\xAC00\xFFFF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf16Text(c.text), c.units) << c.name;
    }
}

struct TRefsCopyCase {
    const char* name;
    TCodes text;
    std::string decimal;
    std::string hex;
};

TEST(References, WriteOneReferencePerElementASpaceFor32AndNothingFor0) {
    const TRefsCopyCase cases[] = {
        {"nothing typed", {0}, "", ""},
        {"under composition", {dong, bi}, "&#46020;&#48708;", "&#xb3c4;&#xbe44;"},
        {"spaces, nothing composing",
         {dong, 32, bi, 32, 0},
         "&#46020; &#48708; ",
         "&#xb3c4; &#xbe44; "},
        {"a 0 element inside", {1, 0, 2}, "&#1;&#2;", "&#x1;&#x2;"},
        {"small values", {10, 'A'}, "&#10;&#65;", "&#xa;&#x41;"},
        {"above 16 bits", {0x1F600}, "&#128512;", "&#x1f600;"},
        {"negative", {-1}, "&#-1;", "&#xffffffff;"},
        {"extremes", {kMin, kMax}, "&#-2147483648;&#2147483647;", "&#x80000000;&#x7fffffff;"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalRefs(c.text), c.decimal) << c.name;
        EXPECT_EQ(HexRefs(c.text), c.hex) << c.name;
    }
}

TEST(References, FileHoldsOneLineEndedByCrLfOrNothing) {
    EXPECT_EQ(RefsFileBytes("&#46020; "), "&#46020; \r\n");
    EXPECT_EQ(RefsFileBytes(""), "");
}

// --- Paste ---------------------------------------------------------------------------------------

TEST(AppendUtf16Text, AppendsEveryUnitBeforeTheFirstZeroUnchanged) {
    TCodes out{kEarlier};
    AppendUtf16Text(std::u16string_view(u"\xB3C4\r\na\xFFFF\0\xBE44", 7), out);
    EXPECT_EQ(out, AfterEarlier({dong, '\r', '\n', 'a', 0xFFFF}));
}

struct TEucPasteCase {
    const char* name;
    std::string bytes;
    TCodes codes;
};

TEST(AppendEucKrText, ScansSpacesSinglyAndEverythingElseInPairs) {
    const TEucPasteCase cases[] = {
        {"Hangul and a space", "\xB0\xA1\x20\xB3\xAA", {ga, 32, na}},
        {"leading spaces", "\x20\x20\xB0\xA1", {32, 32, ga}},
        {"ending in a space", "\xB0\xA1\x20", {ga, 32}},
        {"ASCII goes in pairs", "abc", {32, 32}},
        {"a lone last byte", "\xB0\xA1\xB0", {ga, 32}},
        {"a letter shifts the pairing", "a\xB0\xA1", {32, 32}},
        {"stops at the first zero byte", std::string("\xB0\xA1\0\xB3\xAA", 5), {ga}},
        {"nothing", "", {}},
        {"only a zero byte", std::string(1, '\0'), {}},
    };
    for (const auto& c : cases) {
        TCodes out{kEarlier};
        AppendEucKrText(c.bytes, GeneratedTable(), out);
        EXPECT_EQ(out, AfterEarlier(c.codes)) << c.name;
    }
}

TEST(AppendEucKrText, PairsALastByteWithTheTerminatorAndStopsThere) {
    const TUni2Euc table = TableOf({{0xB000, 0x1234}, {0xB0A1, ga}});
    TCodes out;
    AppendEucKrText("\xB0", table, out);
    AppendEucKrText(std::string("\xB0\0\xB0\xA1", 4), table, out);
    EXPECT_EQ(out, (TCodes{0x1234, 0x1234}));
}

TEST(AppendEucKrText, ReadsLongTextsWhereverSpacesAndPairsFall) {
    // Texts of every length up to a few hundred bytes, spaces and pairs mixed at random, so the
    // pairing meets every alignment at every position; some end in a lone byte.
    std::mt19937 random(7);
    std::bernoulli_distribution coin;
    for (int length = 0; length < 300; ++length) {
        std::string bytes;
        TCodes expected;
        for (int element = 0; element < length; ++element) {
            if (coin(random)) {
                bytes += ' ';
                expected.push_back(32);
            } else {
                bytes += "\xB0\xA1";
                expected.push_back(ga);
            }
        }
        if (coin(random)) {
            bytes += '\xB0';
            expected.push_back(32);
        }
        TCodes out;
        AppendEucKrText(bytes, GeneratedTable(), out);
        ASSERT_EQ(out, expected) << bytes.size() << " bytes";
    }
}

TEST(AppendEucKrText, WithoutATableEveryPairIsASpace) {
    TCodes out;
    AppendEucKrText("\xB0\xA1 \xB3\xAA", TUni2Euc(), out);
    EXPECT_EQ(out, (TCodes{32, 32, 32}));
}

struct TRefsPasteCase {
    const char* name;
    std::string source;
    TCodes codes;
};

TEST(ParseRefs, AppendsReferencesAndSpacesAtTheStartOrAfterASemicolon) {
    const TRefsPasteCase cases[] = {
        {"mixed forms and spaces", "  &#46020; &#XBE44;", {32, 32, dong, 32, bi}},
        {"a line break between references", "&#46020;\r\n&#48708;", {dong, bi}},
        {"spaces elsewhere dropped", "a &#1;b &#2;", {1, 2}},
        {"a semicolon before the reference is skipped", "x; y;&#1;", {32, 1}},
        {"spaces after a skipped semicolon", ";  &#5;", {32, 32, 5}},
        {"doubled semicolon", "&#5;;&#6;", {5, 6}},
        {"trailing space", "&#1; ", {1, 32}},
        {"spaces after the last reference", "&#1;  x", {1, 32, 32}},
        {"spaces without any reference", "   ", {32, 32, 32}},
        {"no semicolon after the reference", "&#1;&#2", {1}},
        {"no semicolon at all", "&#12", {}},
        {"no reference", "abc;def", {}},
        {"empty body", "&#;", {0}},
        {"x alone", "&#x;", {0}},
        {"trailing space in the body", "&#12 ;", {0}},
        {"leading space in the body", "&# 12;", {12}},
        {"a reference inside the body", "&#&#5;", {0}},
        {"text after the last semicolon", "&#;5", {0}},
        {"negative and large", "&#-1;&#x1F600;&#xFFFFFFFF;", {-1, 0x1F600, -1}},
        {"zero is appended", "&#0;", {0}},
        {"empty", "", {}},
    };
    for (const auto& c : cases) {
        TCodes out{kEarlier};
        ParseRefs(c.source, out);
        EXPECT_EQ(out, AfterEarlier(c.codes)) << c.name;
    }
}

TEST(ParseRefs, ClipboardTextEndsAtTheFirstZeroByte) {
    TCodes out;
    AppendRefsText(std::string("&#1; &#2;\0&#3;", 14), out);
    EXPECT_EQ(out, (TCodes{1, 32, 2}));
}

struct TBodyCase {
    const char* body;
    std::int32_t value;
};

TEST(RefBodyValue, ReadsSignedDecimalOrHexPatternAndGivesZeroForAnythingElse) {
    const TBodyCase cases[] = {
        {"46020", 46020},
        {"+12", 12},
        {"-12", -12},
        {"007", 7},
        {"0", 0},
        {"-0", 0},
        {"  -5", -5},
        {"2147483647", kMax},
        {"-2147483648", kMin},
        {"0000000000002147483647", kMax},
        {"xb3c4", 0xB3C4},
        {"XBE44", 0xBE44},
        {"$Ff", 255},
        {"0x1F", 31},
        {"0XaB", 171},
        {"xFFFFFFFF", -1},
        {"x80000000", kMin},
        {"x00000000001", 1},
        {"-x10", 16},
        {"+$10", 16},
        // Malformed: all give 0.
        {"2147483648", 0},
        {"-2147483649", 0},
        {"99999999999999999999", 0},
        {"x100000000", 0},
        {"", 0},
        {" ", 0},
        {"x", 0},
        {"0x", 0},
        {"$", 0},
        {"+", 0},
        {"-", 0},
        {"12 ", 0},
        {"- 5", 0},
        {"--1", 0},
        {"1a", 0},
        {"x1g", 0},
        {"0x-1", 0},
        {"00x1", 0},
        {"x 1", 0},
        {"1.5", 0},
        {"\t5", 0},
        {"#5", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RefBodyValue(c.body), c.value) << '"' << c.body << '"';
    }
}

// --- Round trips ---------------------------------------------------------------------------------

// A typed text with the composing element last: Hangul, spaces, conjoining jamo.
const TCodes kTyped{ga, na, 32, dong, bi, 32, 0x1100, 0x1161, 0xD7A3, 0};

TCodes WithoutZeros(TCodes codes) {
    std::erase(codes, 0);
    return codes;
}

TEST(RoundTrip, UnicodeGivesBackTheTypedText) {
    TCodes out;
    AppendUtf16Text(Utf16Text(kTyped), out);
    EXPECT_EQ(out, WithoutZeros(kTyped));
}

TEST(RoundTrip, EucKrGivesBackEveryCharacterOfTheTable) {
    TCodes text;
    for (std::int32_t uni = 0; uni <= 0xFFFF; ++uni) {
        if (GeneratedTable().UniToEuc(uni) != uni) {
            text.push_back(uni);
            if (uni % 7 == 0)
                text.push_back(32);
        }
    }
    text.push_back(0);
    TCodes out;
    AppendEucKrText(EucKrBytes(text, GeneratedTable()), GeneratedTable(), out);
    EXPECT_EQ(out, WithoutZeros(text));
}

TEST(RoundTrip, ReferencesGiveBackAnyTextWithout0Elements) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<std::int32_t> anyValue(kMin, kMax);
    TCodes text = kTyped;
    for (int i = 0; i < 2000; ++i) {
        text.push_back(i % 5 == 0 ? 32 : anyValue(random));
    }
    text.insert(text.end(), {kMin, kMax, -1, 0x10000});
    const TCodes expected = WithoutZeros(text);
    for (const auto& refs : {DecimalRefs(text), HexRefs(text)}) {
        TCodes out;
        AppendRefsText(refs, out);
        EXPECT_EQ(out, expected);
    }
}

}  // namespace
