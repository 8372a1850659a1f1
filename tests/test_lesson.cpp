#include "learning/Lesson.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "learning/Tango.h"
#include "learning/TextLines.h"

namespace zelpa {
namespace {

using ::testing::ElementsAre;

// A lesson code of header "A" (036), title "あ" (049 04d), header 3 empty, Japanese 0xFF (06A),
// Korean 가 and space (710C 000W), explanation split over two lines, empty link, show-only "1",
// with one ignored line before it and one line left after it.
const std::vector<std::string> kValid = {"ignored", "$001", "036",      "$001", "$002", "049",
                                         "04d",     "$002", "$003",     "$003", "$100", "06A",
                                         "$100",    "$101", "710C000W", "$101", "$102", "0",
                                         "36036",   "$102", "$103",     "$103", "1",    "after"};

std::string Join(const std::vector<std::string>& lines, std::string_view end = "\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += end;
    }
    return text;
}

struct TParse {
    int header = 0;
    int code = 0;
    TTangoList material;
    TTango word;
    TTextLines rest;
};

// Runs both readers as the menu window does; the word is read only after a good header.
void Parse(std::string_view text, TParse& parse) {
    parse.rest = SplitLines(text);
    parse.header = parse.material.ParseLessonHeader(parse.rest);
    parse.code = parse.header == 0 ? parse.word.ParseLessonCode(parse.rest) : 0;
}

TEST(LessonTest, ReadsAWholeCode) {
    for (const std::string_view end : {"\n", "\r\n", "\r"}) {
        TParse parse;
        Parse(Join(kValid, end), parse);
        ASSERT_EQ(parse.header, 0);
        ASSERT_EQ(parse.code, 0);
        EXPECT_EQ(parse.material.HeadText1, "A");
        EXPECT_EQ(parse.material.Title, "\x82\xA0");
        EXPECT_EQ(parse.material.HeadText3, "");
        EXPECT_EQ(parse.word.Japan, "\xFF");
        EXPECT_THAT(parse.word.Hangul, ElementsAre(0xAC00, 0x20));
        EXPECT_EQ(parse.word.Setsumei, "AA");
        EXPECT_EQ(parse.word.Url, "");
        EXPECT_TRUE(parse.word.ShowOnly);
        EXPECT_THAT(parse.rest, ElementsAre("after"));
    }
}

TEST(LessonTest, HeaderLeavesTheWordLinesAndTouchesOnlyHeaderTexts) {
    TTangoList material;
    material.AddNewWord().Japan = "w";
    material.RirekiJ2K.Records = {{1, 1}};
    TTextLines lines = SplitLines(Join(kValid));
    ASSERT_EQ(material.ParseLessonHeader(lines), 0);
    EXPECT_EQ(lines.front(), "$100");
    EXPECT_EQ(lines.size(), 14u);
    EXPECT_EQ(material.Count(), 1);
    EXPECT_EQ(material.RirekiJ2K.Records.size(), 1u);
}

struct TGroupCase {
    const char* content;
    std::string bytes;
};

class LessonByteTest : public ::testing::TestWithParam<TGroupCase> {};

TEST_P(LessonByteTest, DecodesTriples) {
    std::vector<std::string> lines = {"$001", "$001", "$002"};
    for (const std::string& line : SplitLines(GetParam().content)) {
        lines.push_back(line);
    }
    for (const char* tail : {"$002", "$003", "$003"}) {
        lines.push_back(tail);
    }
    TTextLines text(lines.begin(), lines.end());
    TTangoList material;
    ASSERT_EQ(material.ParseLessonHeader(text), 0);
    EXPECT_EQ(material.Title, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, LessonByteTest,
                         ::testing::Values(TGroupCase{"036", "A"}, TGroupCase{"0\n36", "A"},
                                           TGroupCase{"03\n6", "A"}, TGroupCase{"06A", "\xFF"},
                                           TGroupCase{"049\n04d", "\x82\xA0"},
                                           TGroupCase{"023", ""}, TGroupCase{"036023036", "AA"},
                                           TGroupCase{"000", "\x81"}, TGroupCase{"99z", "\xB8"},
                                           TGroupCase{"", ""}));

TEST(LessonTest, DecodesQuadruplesUnchanged) {
    TTextLines lines = SplitLines(
        "$100\n$100\n$101\n710C890\nN000W0000999z\n$101\n$102\n$102\n"
        "$103\n$103\n0\n");
    TTango word;
    word.Hangul = {5};
    ASSERT_EQ(word.ParseLessonCode(lines), 0);
    EXPECT_THAT(word.Hangul, ElementsAre(0xAC00, 0xD7A3, 0x20, 0, 61999));
    EXPECT_FALSE(word.ShowOnly);
    EXPECT_TRUE(lines.empty());
}

struct TFailureCase {
    const char* name;
    std::string text;
    int header;
    int code;
};

class LessonFailureTest : public ::testing::TestWithParam<TFailureCase> {};

TEST_P(LessonFailureTest, GivesItsCode) {
    TParse parse;
    Parse(GetParam().text, parse);
    EXPECT_EQ(parse.header, GetParam().header);
    EXPECT_EQ(parse.code, GetParam().code);
}

const std::string kHeader = "$001\n$001\n$002\n$002\n$003\n$003\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, LessonFailureTest,
    ::testing::Values(
        TFailureCase{"Empty", "", -1, 0}, TFailureCase{"NoHead1", "$002\n$002\n", -1, 0},
        TFailureCase{"BlankBeforeTitle", "$001\n$001\n\n$002\n$002\n$003\n$003\n", -1, 0},
        TFailureCase{"EndsAfterHead1", "$001\n$001\n", -1, 0},
        TFailureCase{"EndsInHead1", "$001\n036\n", -2, 0},
        TFailureCase{"Head1ClosedWithSpace", "$001\n$001 \n$002\n$002\n$003\n$003\n", -2, 0},
        TFailureCase{"EndsInTitle", "$001\n$001\n$002\n036", -4, 0},
        TFailureCase{"TitleClosedWithSpace", "$001\n$001\n$002\n$002 \n$003\n$003\n", -4, 0},
        TFailureCase{"EndsInHead3", "$001\n$001\n$002\n$002\n$003\n", -4, 0},
        TFailureCase{"BadDigits", "$001\n$001\n$002\n0x6\n$002\n$003\n$003\n", -2, 0},
        TFailureCase{"NegativeDigits", "$001\n-1A\n$001\n", -2, 0},
        TFailureCase{"BadLetter", "$001\n$001\n$002\n03-\n$002\n$003\n$003\n", -3, 0},
        TFailureCase{"MissingLetter", "$001\n$001\n$002\n03\n$002\n$003\n$003\n", -3, 0},
        TFailureCase{"LeftoverDigit", "$001\n0361\n$001\n$002\n$002\n$003\n$003\n", -2, 0},
        TFailureCase{"EndsAfterHead3", kHeader, 0, -1},
        TFailureCase{"WordNotNext", kHeader + "\n$100\n", 0, -1},
        TFailureCase{"NoHangulBlock", kHeader + "$100\n$100\n$102\n", 0, -1},
        TFailureCase{"EndsInJapan", kHeader + "$100\n036\n", 0, -4},
        TFailureCase{"EndsInHangul", kHeader + "$100\n$100\n$101\n710C\n", 0, -4},
        TFailureCase{"BadQuadrupleDigits", kHeader + "$100\n$100\n$101\n71AC\n$101\n", 0, -2},
        TFailureCase{"BadQuadrupleLetter", kHeader + "$100\n$100\n$101\n710+\n$101\n", 0, -3},
        TFailureCase{"UrlClosedWithSpace",
                     kHeader + "$100\n$100\n$101\n$101\n$102\n$102\n$103\n$103 \n1\n", 0, -4},
        TFailureCase{"EndsAfterUrl", kHeader + "$100\n$100\n$101\n$101\n$102\n$102\n$103\n$103", 0,
                     -4},
        TFailureCase{"EndsAfterUrlWithLineBreak",
                     kHeader + "$100\n$100\n$101\n$101\n$102\n$102\n$103\n$103\r\n", 0, -4}),
    [](const auto& info) { return info.param.name; });

TEST(LessonTest, ShowOnlyLine) {
    for (const auto& [line, showOnly] : std::vector<std::pair<std::string, bool>>{
             {"1", true}, {"0", false}, {"", false}, {" 1", false}, {"11", false}}) {
        TTextLines lines = SplitLines(kHeader + "$100\n$100\n$101\n$101\n$102\n$102\n$103\n$103\n" +
                                      line + "\nrest\n");
        TTangoList material;
        TTango word;
        word.ShowOnly = !showOnly;
        ASSERT_EQ(material.ParseLessonHeader(lines), 0);
        ASSERT_EQ(word.ParseLessonCode(lines), 0);
        EXPECT_EQ(word.ShowOnly, showOnly) << line;
        EXPECT_THAT(lines, ElementsAre("rest"));
    }
}

TEST(LessonTest, FailureKeepsFieldsAlreadyReplaced) {
    TTextLines lines = SplitLines("$100\n036\n$100\n$101\n7\n$101\n");
    TTango word;
    word.Japan = "old";
    word.Setsumei = "kept";
    EXPECT_EQ(word.ParseLessonCode(lines), -2);
    EXPECT_EQ(word.Japan, "A");
    EXPECT_EQ(word.Setsumei, "kept");
}

TEST(LessonWriterTest, WritesGroupsInBlocks) {
    TTango word;
    word.Japan = "\x82\xA0";
    word.Hangul = {0xAC00, 0xD7A3, 0x20};
    word.Url = "\xFF";
    const auto code = WriteLessonCode({"A", "", ""}, word);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code,
              "$001\n036\n$001\n$002\n$002\n$003\n$003\n$100\n04904d\n$100\n$101\n710C890N000W\n"
              "$101\n$102\n$102\n$103\n06A\n$103\n0\n");
}

TEST(LessonWriterTest, WrapsContentAt64Characters) {
    TTango word;
    word.Japan = std::string(30, 'A');
    word.ShowOnly = true;
    const auto code = WriteLessonCode({}, word);
    ASSERT_TRUE(code);
    const TTextLines lines = SplitLines(*code);
    const auto japan = std::find(lines.begin(), lines.end(), "$100");
    ASSERT_NE(japan, lines.end());
    EXPECT_EQ(japan[1].size(), 64u);
    EXPECT_EQ(japan[2].size(), 26u);
    EXPECT_EQ(japan[3], "$100");
    EXPECT_EQ(lines.back(), "1");
}

TEST(LessonWriterTest, EveryByteAndCodeRoundTrips) {
    TLessonHeader header;
    TTango word;
    for (int byte = 1; byte < 256; ++byte) {
        header.Title += static_cast<char>(byte);
        word.Setsumei += static_cast<char>(256 - byte);
    }
    for (std::int32_t code = 0; code <= kLargestLessonCode; code += 7) {
        word.Hangul.push_back(code);
    }
    word.Hangul.push_back(kLargestLessonCode);
    const auto code = WriteLessonCode(header, word);
    ASSERT_TRUE(code);
    TParse parse;
    Parse(*code, parse);
    ASSERT_EQ(parse.header, 0);
    ASSERT_EQ(parse.code, 0);
    EXPECT_EQ(parse.material.Title, header.Title);
    EXPECT_TRUE(parse.word.SameWord(word));
    EXPECT_TRUE(parse.rest.empty());
}

TEST(LessonWriterTest, RefusesKoreanOutsideTheQuadrupleRange) {
    for (const std::int32_t code : {-1, kLargestLessonCode + 1, 0xFFFF}) {
        TTango word;
        word.Hangul = {0xAC00, code};
        EXPECT_FALSE(WriteLessonCode({}, word)) << code;
    }
}

}  // namespace
}  // namespace zelpa
