#include "learning/Tango.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "learning/Random.h"
#include "temp_folder.h"

namespace zelpa {
namespace {

using ::testing::ElementsAre;

// Builds material files byte by byte with a chosen key.
class TFileBuilder {
  public:
    explicit TFileBuilder(std::int32_t key) : key_(key) {}

    TFileBuilder& Plain(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) {
            bytes_ += static_cast<char>(bits >> shift);
        }
        return *this;
    }
    TFileBuilder& Masked(std::int32_t value) { return Plain(value ^ key_); }
    TFileBuilder& Flag(std::int32_t stored) { return Masked(stored); }
    TFileBuilder& Text(const std::string& text) {
        Masked(static_cast<std::int32_t>(text.size()));
        for (const char c : text) {
            bytes_ += static_cast<char>(c ^ static_cast<char>(key_ & 0xFF));
        }
        return *this;
    }
    TFileBuilder& Sentinel() { return Plain(key_); }
    TFileBuilder& Header(const std::string& title = "T") {
        Plain(1).Plain(77).Plain(key_);
        Text("h1").Text("r1").Text(title).Text("h3");
        Flag(0).Masked(5).Flag(1).Masked(6).Flag(7).Text("r2").Masked(8);
        return *this;
    }
    TFileBuilder& Word(const std::string& japan, std::vector<std::int32_t> hangul,
                       const std::string& setsumei = "", const std::string& url = "") {
        Text(japan).Masked(static_cast<std::int32_t>(hangul.size()));
        for (const std::int32_t code : hangul) {
            Masked(code);
        }
        return Text(setsumei).Text(url);
    }
    // A history block with one record.
    TFileBuilder& History(std::int32_t running, std::int32_t record) {
        Plain(running).Plain(2).Plain(1).Plain(2).Plain(0).Plain(1).Plain(2).Plain(1).Plain(0);
        return Plain(1).Plain(record).Plain(record);
    }
    std::string Bytes() const { return bytes_; }

  private:
    std::int32_t key_;
    std::string bytes_;
};

// A whole material of two words, with the given sentinels.
std::string TwoWordFile(std::int32_t key, std::int32_t first, std::int32_t second,
                        std::int32_t third) {
    TFileBuilder file(key);
    file.Header().Plain(first).Masked(2);
    file.Word("\x82\xA0", {0xAC00, 0x20}, "ex", "url").Word("b", {1});
    return file.Plain(second).History(0, 5).History(1, 6).Plain(third).Bytes();
}

std::int32_t WordAtOffset(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value =
            value << 8 | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    }
    return static_cast<std::int32_t>(value);
}

std::string Written(TTangoList& material) {
    std::ostringstream out;
    material.WriteTo(out);
    return out.str();
}

TReadOutcome Read(TTangoList& material, const std::string& bytes) {
    std::istringstream in(bytes);
    return material.ReadFrom(in);
}

TTango MakeWord(std::string japan, std::vector<std::int32_t> hangul, std::string setsumei = "",
                std::string url = "") {
    TTango word;
    word.Japan = std::move(japan);
    word.Hangul = std::move(hangul);
    word.Setsumei = std::move(setsumei);
    word.Url = std::move(url);
    return word;
}

class TangoTest : public ::testing::Test {
  protected:
    TTangoList material;
    void SetUp() override { SeedRandom(2024); }
};

TEST_F(TangoTest, EmptyMaterialIs120Bytes) {
    const std::string bytes = Written(material);
    ASSERT_EQ(bytes.size(), 120u);
    const std::int32_t key = material.Key;
    TFileBuilder expected(key);
    expected.Plain(1).Plain(0).Plain(key).Text("").Text("").Text("").Text("");
    expected.Flag(1).Masked(0).Flag(1).Masked(0).Flag(1).Text("").Masked(0);
    expected.Sentinel().Masked(0).Sentinel();
    for (int history = 0; history < 2; ++history) {
        expected.Plain(1).Plain(0).Plain(0).Plain(0).Plain(0).Plain(0);
    }
    expected.Sentinel();
    EXPECT_EQ(bytes, expected.Bytes());
}

TEST_F(TangoTest, KeysLieBetween3And242AndChangeEverySave) {
    std::set<std::int32_t> keys;
    for (int i = 0; i < 2000; ++i) {
        Written(material);
        EXPECT_GE(material.Key, 3);
        EXPECT_LE(material.Key, 242);
        keys.insert(material.Key);
    }
    EXPECT_EQ(keys.size(), 240u);
}

TEST_F(TangoTest, TextsAreMaskedWithTheKeysLowestByte) {
    TFileBuilder file(5);
    file.Plain(1).Plain(0).Plain(5).Text("").Text("").Text("AB");
    const std::string bytes = file.Bytes();
    // The title's length 2 is stored as 7, its byte 0x41 as 0x44.
    EXPECT_EQ(WordAtOffset(bytes, 20), 7);
    EXPECT_EQ(bytes[24], '\x44');

    material.Title = "AB";
    const std::string written = Written(material);
    const std::int32_t key = WordAtOffset(written, 8);
    EXPECT_EQ(key, material.Key);
    EXPECT_EQ(WordAtOffset(written, 20), 2 ^ key);
    EXPECT_EQ(static_cast<unsigned char>(written[24]), 0x41 ^ key);
}

TEST_F(TangoTest, ReadsEveryFieldOfAWholeFile) {
    ASSERT_EQ(Read(material, TwoWordFile(0x12345678, 0x12345678, 0x12345678, 0x12345678)),
              TReadOutcome::Complete);
    EXPECT_EQ(material.Key, 0x12345678);
    EXPECT_EQ(material.HeadText1, "h1");
    EXPECT_EQ(material.Title, "T");
    EXPECT_EQ(material.HeadText3, "h3");
    ASSERT_EQ(material.Count(), 2);
    const TTango& first = *material.Objects(0);
    EXPECT_EQ(first.Japan, "\x82\xA0");
    EXPECT_THAT(first.Hangul, ElementsAre(0xAC00, 0x20));
    EXPECT_EQ(first.Setsumei, "ex");
    EXPECT_EQ(first.Url, "url");
    EXPECT_FALSE(first.ShowOnly);
    EXPECT_TRUE(material.RirekiJ2K.Running);
    EXPECT_FALSE(material.RirekiK2J.Running);
    EXPECT_THAT(material.RirekiJ2K.Records, ElementsAre(TRireki{5, 5}));
    EXPECT_THAT(material.RirekiK2J.Records, ElementsAre(TRireki{6, 6}));
}

TEST_F(TangoTest, WritingTwiceGivesNewKeysAndTheSameContent) {
    ASSERT_EQ(Read(material, TwoWordFile(9, 9, 9, 9)), TReadOutcome::Complete);
    const std::string once = Written(material);
    const std::int32_t firstKey = material.Key;
    std::string twice = Written(material);
    while (material.Key == firstKey) {
        twice = Written(material);
    }
    EXPECT_NE(once, twice);
    for (const std::string& bytes : {once, twice}) {
        TTangoList copy;
        ASSERT_EQ(Read(copy, bytes), TReadOutcome::Complete);
        ASSERT_EQ(copy.Count(), 2);
        EXPECT_TRUE(copy.Objects(0)->SameWord(*material.Objects(0)));
        EXPECT_TRUE(copy.Objects(1)->SameWord(*material.Objects(1)));
        EXPECT_EQ(copy.Title, "T");
        EXPECT_EQ(copy.RirekiJ2K.Records, material.RirekiJ2K.Records);
        // Reserved values come back as they were read (flag 3 stored as 7 reads as clear).
        std::string rewritten = Written(copy);
        TFileBuilder expected(copy.Key);
        expected.Plain(1).Plain(77).Plain(copy.Key).Text("h1").Text("r1").Text("T").Text("h3");
        expected.Flag(0).Masked(5).Flag(1).Masked(6).Flag(1).Text("r2").Masked(8);
        EXPECT_EQ(rewritten.substr(0, expected.Bytes().size()), expected.Bytes());
    }
}

TEST_F(TangoTest, TextEndsAtItsFirstZeroByte) {
    TFileBuilder file(3);
    file.Header().Sentinel().Masked(1).Word(std::string("ab\0cd", 5), {}).Sentinel();
    file.History(1, 0).History(1, 0).Sentinel();
    ASSERT_EQ(Read(material, file.Bytes()), TReadOutcome::Complete);
    EXPECT_EQ(material.Objects(0)->Japan, "ab");
}

TEST_F(TangoTest, NegativeCountsReadAsNone) {
    TFileBuilder file(3);
    file.Header().Sentinel().Masked(-4).Sentinel().History(1, 0).History(1, 0).Sentinel();
    ASSERT_EQ(Read(material, file.Bytes()), TReadOutcome::Complete);
    EXPECT_EQ(material.Count(), 0);
}

struct TSentinelCase {
    const char* name;
    std::int32_t first;
    std::int32_t second;
    std::int32_t third;
    TReadOutcome outcome;
    std::int32_t words;
    bool headerRead;
    bool historiesRead;
};

class TangoSentinelTest : public ::testing::TestWithParam<TSentinelCase> {};

TEST_P(TangoSentinelTest, MismatchKeepsWhatTheReadReached) {
    const TSentinelCase& c = GetParam();
    TTangoList material;
    material.Title = "old";
    material.RirekiJ2K.Records = {{1, 1}, {2, 2}};
    const std::int32_t key = 50;
    EXPECT_EQ(Read(material, TwoWordFile(key, c.first, c.second, c.third)), c.outcome);
    EXPECT_EQ(material.Count(), c.words);
    EXPECT_EQ(material.Title, c.headerRead ? "T" : "old");
    EXPECT_EQ(material.RirekiJ2K.Records.size(), c.historiesRead ? 1u : 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TangoSentinelTest,
    ::testing::Values(
        TSentinelCase{"AllRight", 50, 50, 50, TReadOutcome::Complete, 2, true, true},
        TSentinelCase{"FirstWrong", 51, 50, 50, TReadOutcome::DamagedHeader, 0, true, false},
        TSentinelCase{"SecondWrong", 50, 0, 50, TReadOutcome::DamagedWords, 0, true, false},
        TSentinelCase{"ThirdWrong", 50, 50, -50, TReadOutcome::DamagedHistories, 0, true, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(TangoTest, SecondSentinelMismatchClearsWordsReadBefore) {
    material.AddNewWord().Japan = "before";
    EXPECT_EQ(Read(material, TwoWordFile(4, 4, 5, 4)), TReadOutcome::DamagedWords);
    EXPECT_EQ(material.Count(), 0);
}

TEST_F(TangoTest, FirstSentinelMismatchKeepsWordsWhenReadDirectly) {
    material.AddNewWord().Japan = "before";
    EXPECT_EQ(Read(material, TwoWordFile(4, 5, 4, 4)), TReadOutcome::DamagedHeader);
    EXPECT_EQ(material.Count(), 1);
}

// Every cut of a whole file ends the read as a sentinel mismatch at that point would.
TEST_F(TangoTest, FileCutShortAtEveryLength) {
    const std::string whole = TwoWordFile(7, 7, 7, 7);
    TFileBuilder header(7);
    const std::size_t wordsStart = header.Header().Sentinel().Bytes().size();
    const std::size_t historiesStart = whole.size() - 4 - 2 * 48;
    for (std::size_t length = 0; length < whole.size(); ++length) {
        TTangoList cut;
        cut.RirekiK2J.Records = {{3, 3}, {4, 4}};
        cut.AddNewWord().Japan = "kept?";
        const TReadOutcome outcome = Read(cut, whole.substr(0, length));
        const TReadOutcome expected = length < wordsStart       ? TReadOutcome::DamagedHeader
                                      : length < historiesStart ? TReadOutcome::DamagedWords
                                                                : TReadOutcome::DamagedHistories;
        EXPECT_EQ(outcome, expected) << length;
        EXPECT_EQ(cut.Count(), expected == TReadOutcome::DamagedHeader ? 1 : 0) << length;
        // The second history is replaced only when its block was read whole.
        EXPECT_EQ(cut.RirekiK2J.Records.size(), length >= whole.size() - 4 ? 1u : 2u) << length;
    }
}

TEST_F(TangoTest, ImpossibleCountsEndTheReadWithoutHugeAllocations) {
    const std::int32_t huge = 0x7FFFFFFF;
    TFileBuilder words(3);
    words.Header().Sentinel().Masked(huge).Word("a", {1});
    TFileBuilder codes(3);
    codes.Header().Sentinel().Masked(1).Text("a").Masked(huge).Masked(1);
    TFileBuilder text(3);
    text.Header().Sentinel().Masked(1).Masked(huge).Plain(0);
    TFileBuilder title(3);
    title.Plain(1).Plain(0).Plain(3).Text("").Text("").Masked(huge);
    EXPECT_EQ(Read(material, words.Bytes()), TReadOutcome::DamagedWords);
    EXPECT_EQ(Read(material, codes.Bytes()), TReadOutcome::DamagedWords);
    EXPECT_EQ(Read(material, text.Bytes()), TReadOutcome::DamagedWords);
    EXPECT_EQ(Read(material, title.Bytes()), TReadOutcome::DamagedHeader);
    EXPECT_EQ(material.Count(), 0);
}

TEST_F(TangoTest, EmptyWordsAreDroppedAtTheNextWrite) {
    material.AddNewWord().Japan = "a";
    material.AddNewWord().Setsumei = "only an explanation";
    material.AddNewWord().Hangul = {0xAC00};
    material.AddNewWord();
    const std::string bytes = Written(material);
    ASSERT_EQ(material.Count(), 2);
    EXPECT_EQ(material.Objects(0)->Japan, "a");
    EXPECT_THAT(material.Objects(1)->Hangul, ElementsAre(0xAC00));
    TTangoList copy;
    ASSERT_EQ(Read(copy, bytes), TReadOutcome::Complete);
    EXPECT_EQ(copy.Count(), 2);
}

TEST_F(TangoTest, FindByJapanAndHangulAppendInMaterialOrder) {
    const std::vector<TTango> words = {MakeWord("j1", {1, 2}), MakeWord("j2", {1, 2}),
                                       MakeWord("j1", {1}), MakeWord("j1", {1, 2, 3}),
                                       MakeWord("j3", {})};
    for (const TTango& word : words) {
        material.AddWordCopy(word);
    }
    TTango outsider;
    std::vector<TTango*> found = {&outsider};
    EXPECT_EQ(material.FindByJapan("none", found), 0);
    EXPECT_THAT(found, ElementsAre(&outsider));
    EXPECT_EQ(material.FindByJapan("j1", found), 3);
    EXPECT_THAT(found, ElementsAre(&outsider, material.Objects(0), material.Objects(2),
                                   material.Objects(3)));

    std::vector<TTango*> byHangul;
    EXPECT_EQ(material.FindByHangul(std::vector<std::int32_t>{1, 2}, byHangul), 2);
    EXPECT_THAT(byHangul, ElementsAre(material.Objects(0), material.Objects(1)));
    byHangul.clear();
    EXPECT_EQ(material.FindByHangul(std::vector<std::int32_t>{}, byHangul), 1);
    EXPECT_THAT(byHangul, ElementsAre(material.Objects(4)));
    byHangul.clear();
    EXPECT_EQ(material.FindByHangul(std::vector<std::int32_t>{1, 2, 3, 4}, byHangul), 0);
}

TEST_F(TangoTest, ContainsWordComparesAllFourTexts) {
    material.AddWordCopy(MakeWord("j", {1, 2}, "s", "u"));
    TTango same = MakeWord("j", {1, 2}, "s", "u");
    same.ShowOnly = true;
    same.Key = 99;
    EXPECT_TRUE(material.ContainsWord(same));
    EXPECT_FALSE(material.ContainsWord(MakeWord("j", {1, 2}, "s", "v")));
    EXPECT_FALSE(material.ContainsWord(MakeWord("j", {1, 2}, "t", "u")));
    EXPECT_FALSE(material.ContainsWord(MakeWord("k", {1, 2}, "s", "u")));
    EXPECT_FALSE(material.ContainsWord(MakeWord("j", {1}, "s", "u")));
    EXPECT_FALSE(material.ContainsWord(MakeWord("j", {2, 1}, "s", "u")));
}

TEST_F(TangoTest, AddMissingWordsSkipsKnownAndRepeatedWords) {
    material.AddWordCopy(MakeWord("a", {1}));
    const std::vector<TTango> words = {MakeWord("a", {1}), MakeWord("b", {2}), MakeWord("b", {2}),
                                       MakeWord("a", {1}, "", "u")};
    EXPECT_EQ(AddMissingWords(material, words), 2u);
    ASSERT_EQ(material.Count(), 3);
    EXPECT_EQ(material.Objects(1)->Japan, "b");
    EXPECT_EQ(material.Objects(2)->Url, "u");
}

TEST_F(TangoTest, AssignCopiesTextsOnly) {
    TTango source = MakeWord("j", {1, 2}, "s", "u");
    source.ShowOnly = true;
    source.Key = 4;
    TTango target;
    target.Hangul = {9, 9, 9};
    target.Key = 7;
    target.Assign(source);
    EXPECT_TRUE(target.SameWord(source));
    EXPECT_FALSE(target.ShowOnly);
    EXPECT_EQ(target.Key, 7);
}

TEST_F(TangoTest, ObjectsAndIndexOfObject) {
    TTango& first = material.AddNewWord();
    TTango& second = material.AddNewWord();
    EXPECT_EQ(material.Objects(1), &second);
    EXPECT_EQ(material.Objects(2), nullptr);
    EXPECT_EQ(material.Objects(-1), nullptr);
    EXPECT_EQ(material.IndexOfObject(&first), 0);
    EXPECT_EQ(material.IndexOfObject(&second), 1);
    TTango outsider;
    EXPECT_EQ(material.IndexOfObject(&outsider), -1);
}

TEST_F(TangoTest, WordIndexFromAnOldRunNamesNoWordAfterEmptyWordsDrop) {
    material.AddNewWord().Japan = "a";
    material.AddNewWord();
    material.RirekiJ2K.StartRun(material.Count(), material.Count(), false, false);
    Written(material);
    std::int32_t position = 1;
    const std::int32_t word = material.RirekiJ2K.NextPending(position, false);
    EXPECT_EQ(word, 1);
    EXPECT_EQ(material.Objects(word), nullptr);
}

TEST_F(TangoTest, ClearWordsKeepsHeaderAndHistories) {
    material.Title = "t";
    material.RirekiK2J.Records = {{1, 0}};
    material.AddNewWord();
    material.ClearWords();
    EXPECT_EQ(material.Count(), 0);
    EXPECT_EQ(material.Title, "t");
    EXPECT_EQ(material.RirekiK2J.Records.size(), 1u);
}

TEST_F(TangoTest, EntryWritesAndReadsItselfWithItsKey) {
    TTango word = MakeWord("jp", {0xAC00, -1, 0x7FFFFFFF}, "s", "u");
    word.Key = 0x01020304;
    std::ostringstream out;
    word.WriteTo(out);
    TTango copy;
    copy.Key = word.Key;
    copy.Hangul = {5};
    std::istringstream in(out.str());
    ASSERT_TRUE(copy.ReadFrom(in));
    EXPECT_THAT(copy.Hangul, ElementsAre(5, 0xAC00, -1, 0x7FFFFFFF));
    EXPECT_EQ(copy.Japan, "jp");
}

class TangoFileTest : public TangoTest {
  protected:
    TTempFolder folder;
};

TEST_F(TangoFileTest, SaveAndLoadRoundTrip) {
    material.Title = "title";
    material.AddWordCopy(MakeWord("a", {1, 2}, "s", "u"));
    const auto path = folder / "m.ktg";
    material.SaveToFile(path);
    material.SaveToFile(path);
    TTangoList copy;
    copy.AddNewWord();
    ASSERT_EQ(copy.LoadFromFile(path), TReadOutcome::Complete);
    EXPECT_EQ(copy.Title, "title");
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_TRUE(copy.Objects(0)->SameWord(*material.Objects(0)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(TangoFileTest, LoadWithoutFileLeavesMaterialAlone) {
    material.Title = "kept";
    material.AddNewWord();
    EXPECT_EQ(material.LoadFromFile(folder / "missing.ktg"), TReadOutcome::NoFile);
    EXPECT_EQ(material.Title, "kept");
    EXPECT_EQ(material.Count(), 1);
}

TEST_F(TangoFileTest, LoadOfAFolderOrADeviceThrows) {
    // /dev/zero would read as a whole empty material, and a device may never end.
    material.AddNewWord();
    for (const std::filesystem::path& path : {folder.Path(), std::filesystem::path("/dev/zero")}) {
        EXPECT_THROW(material.LoadFromFile(path), std::system_error) << path;
        EXPECT_EQ(material.Count(), 1);
    }
}

TEST_F(TangoFileTest, SaveIntoAMissingFolderThrowsBeforeDrawingAKey) {
    material.Key = 1234;
    material.AddNewWord();
    EXPECT_THROW(material.SaveToFile(folder / "no" / "m.ktg"), std::system_error);
    EXPECT_EQ(material.Key, 1234);
    EXPECT_EQ(material.Count(), 1);
}

}  // namespace
}  // namespace zelpa
