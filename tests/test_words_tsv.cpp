#include "learning/WordsTsv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zelpa {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct THangulCase {
    std::vector<std::int32_t> hangul;
    std::string field;
};

class EscapeHangulTest : public ::testing::TestWithParam<THangulCase> {};

TEST_P(EscapeHangulTest, WritesTextOrEscapes) {
    EXPECT_EQ(EscapeHangul(GetParam().hangul), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EscapeHangulTest,
    ::testing::Values(THangulCase{{0xAC00, 0x20, 0xD7A3}, "\xEA\xB0\x80 \xED\x9E\xA3"},
                      THangulCase{{'\\', '\t', '\n', '\r'}, "\\\\\\t\\n\\r"},
                      THangulCase{{0xD83D, 0xDE00}, "\xF0\x9F\x98\x80"}, THangulCase{{0}, "\\u{0}"},
                      THangulCase{{0xD800}, "\\u{d800}"},
                      THangulCase{{0xDC00, 0xD800}, "\\u{dc00}\\u{d800}"},
                      THangulCase{{0xD800, 0x41}, "\\u{d800}A"}, THangulCase{{-1}, "\\u{ffffffff}"},
                      THangulCase{{0x10000}, "\\u{10000}"},
                      THangulCase{{0xFFFF, 1}, "\xEF\xBF\xBF\x01"}));

struct TBytesCase {
    std::string bytes;
    std::string field;
};

class EscapeBytesTest : public ::testing::TestWithParam<TBytesCase> {};

TEST_P(EscapeBytesTest, WritesCharactersThatConvertBothWays) {
    EXPECT_EQ(EscapeBytes(GetParam().bytes), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EscapeBytesTest,
    ::testing::Values(TBytesCase{"\x82\xA0\x8C\xEA", "\xE3\x81\x82\xE8\xAA\x9E"},  // あ語
                      TBytesCase{"a\\b\tc\nd\re", "a\\\\b\\tc\\nd\\re"},
                      TBytesCase{"\xB1", "\xEF\xBD\xB1"},      // half-width ｱ
                      TBytesCase{"\x81\x5C", "\xE2\x80\x95"},  // ― keeps its 0x5C
                      TBytesCase{"\x82", "\\x82"},             // lead byte at the end
                      TBytesCase{"\x82\x41", "\\x82A"},        // undefined pair
                      TBytesCase{"\xFF\xA0", "\\xff\\xa0"},
                      TBytesCase{std::string("\0", 1), "\\x00"},
                      TBytesCase{"\x87\x90", "\\x87\\x90"}));  // NEC duplicate of ≒

TEST(WordsTsvTest, WritesHeaderAndOneLinePerWord) {
    TTangoList material;
    TTango& word = material.AddNewWord();
    word.Hangul = {0xC0AC, 0xACFC};
    word.Japan = "\x82\xE8\x82\xF1\x82\xB2";
    word.Setsumei = "x\ty";
    material.AddNewWord();
    std::ostringstream out;
    WriteWordsTsv(out, material);
    EXPECT_EQ(out.str(),
              "korean\tjapanese\texplanation\tlink\n"
              "\xEC\x82\xAC\xEA\xB3\xBC\t\xE3\x82\x8A\xE3\x82\x93\xE3\x81\x94\tx\\ty\t\n"
              "\t\t\t\n");
}

TEST(WordsTsvTest, ReadsWhatItWritesElementForElementAndByteForByte) {
    TTangoList material;
    TTango& word = material.AddNewWord();
    word.Hangul = {0xAC00, 0,   -5,  0xD800, 0xD83D, 0xDE00, 0xDC00,
                   '\\',   'u', '{', '1',    '}',    '\t',   0x7FFFFFFF};
    for (int byte = 0; byte < 256; ++byte) {
        word.Japan += static_cast<char>(byte);
        word.Japan += static_cast<char>(0x40 + byte % 0xBD);
    }
    word.Japan.erase(0, 2);  // no zero byte
    word.Setsumei = "\\x41\\\\\x82\xA0\x82";
    word.Url = "http://example.org/\x81\x5C";
    std::ostringstream out;
    WriteWordsTsv(out, material);
    std::vector<TTango> words;
    ASSERT_FALSE(ReadWordsTsv(out.str(), words));
    ASSERT_EQ(words.size(), 1u);
    EXPECT_TRUE(words[0].SameWord(word));
}

TEST(WordsTsvTest, AcceptsByteOrderMarkCrLfAndAMissingFinalLineEnd) {
    std::vector<TTango> words;
    ASSERT_FALSE(
        ReadWordsTsv("\xEF\xBB\xBFkorean\tjapanese\texplanation\tlink\r\n"
                     "\xEA\xB0\x80\ta\\x82\\xa0\t\t\r\n"
                     "\\u{AC00}\\n\t\xEF\xBD\xB1\t\\\\\t\\r",
                     words));
    ASSERT_EQ(words.size(), 2u);
    EXPECT_THAT(words[0].Hangul, ElementsAre(0xAC00));
    EXPECT_EQ(words[0].Japan, "a\x82\xA0");
    EXPECT_THAT(words[1].Hangul, ElementsAre(0xAC00, '\n'));
    EXPECT_EQ(words[1].Japan, "\xB1");
    EXPECT_EQ(words[1].Setsumei, "\\");
    EXPECT_EQ(words[1].Url, "\r");
}

TEST(WordsTsvTest, HeaderOnlyGivesNoWords) {
    std::vector<TTango> words;
    EXPECT_FALSE(ReadWordsTsv("korean\tjapanese\texplanation\tlink\n", words));
    EXPECT_TRUE(words.empty());
}

struct TErrorCase {
    const char* name;
    std::string body;
    std::size_t line;
    const char* message;
};

class WordsTsvErrorTest : public ::testing::TestWithParam<TErrorCase> {};

TEST_P(WordsTsvErrorTest, NamesTheLine) {
    std::vector<TTango> words;
    const auto error =
        ReadWordsTsv("korean\tjapanese\texplanation\tlink\n\t\t\t\n" + GetParam().body, words);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, GetParam().line);
    EXPECT_THAT(error->message, HasSubstr(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordsTsvErrorTest,
    ::testing::Values(TErrorCase{"TooFewFields", "a\tb\tc\n", 3, "found 3"},
                      TErrorCase{"TooManyFields", "a\tb\tc\td\te\n", 3, "found 5"},
                      TErrorCase{"EmptyLine", "\n\t\t\t\n", 3, "found 1"},
                      TErrorCase{"BadUtf8", "\xC0\x80\t\t\t\n", 3, "UTF-8"},
                      TErrorCase{"UnknownEscape", "\\a\t\t\t\n", 3, "unknown escape"},
                      TErrorCase{"TrailingBackslash", "\t\t\tx\\\n", 3, "unknown escape"},
                      TErrorCase{"ShortHexByte", "\tx\\x4\t\t\n", 3, "\\xHH"},
                      TErrorCase{"HexByteInKorean", "\\x41\t\t\t\n", 3, "unknown escape"},
                      TErrorCase{"CodeEscapeInBytes", "\t\\u{41}\t\t\n", 3, "unknown escape"},
                      TErrorCase{"UnclosedCode", "\\u{41\t\t\t\n", 3, "\\u{X}"},
                      TErrorCase{"EmptyCode", "\\u{}\t\t\t\n", 3, "\\u{X}"},
                      TErrorCase{"LongCode", "\\u{123456789}\t\t\t\n", 3, "\\u{X}"},
                      TErrorCase{"NotCp932", "\t\xEA\xB0\x80\t\t\n", 3, "not in code page 932"},
                      TErrorCase{"ZeroByte", "\t\t\\x00\t\n", 3, "zero byte"},
                      TErrorCase{"RawCarriageReturn", "a\rb\t\t\t\n", 3, "carriage return"},
                      TErrorCase{"SecondBadLine", "\t\t\t\n\t\t\n", 4, "found 3"}),
    [](const auto& info) { return info.param.name; });

TEST(WordsTsvTest, HeaderErrors) {
    std::vector<TTango> words;
    const auto empty = ReadWordsTsv("", words);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->line, 1u);
    const auto wrong = ReadWordsTsv("korean\tjapanese\n", words);
    ASSERT_TRUE(wrong);
    EXPECT_EQ(wrong->line, 1u);
}

}  // namespace
}  // namespace zelpa
