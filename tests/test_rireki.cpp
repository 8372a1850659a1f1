#include "learning/Rireki.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "learning/Random.h"

namespace zelpa {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::UnorderedElementsAre;

constexpr std::int32_t X = TRirekiList::kNotInRun;

std::string Words(std::initializer_list<std::int32_t> words) {
    std::string bytes;
    for (const std::int32_t word : words) {
        const auto bits = static_cast<std::uint32_t>(word);
        for (int shift = 0; shift < 32; shift += 8) {
            bytes += static_cast<char>(bits >> shift);
        }
    }
    return bytes;
}

std::string Written(const TRirekiList& history) {
    std::ostringstream out;
    history.WriteTo(out);
    return out.str();
}

class RirekiTest : public ::testing::Test {
  protected:
    // Created first: creating a history reseeds from the clock.
    TRirekiList history;
    void SetUp() override { SeedRandom(12345); }
};

TEST_F(RirekiTest, NewHistoryIsEmptyAndNotRunning) {
    EXPECT_FALSE(history.Running);
    EXPECT_EQ(history.RunSize, 0);
    EXPECT_EQ(history.Position, 0);
    EXPECT_TRUE(history.Results.empty());
    EXPECT_TRUE(history.Order.empty());
    EXPECT_TRUE(history.Records.empty());
    EXPECT_EQ(Written(history), Words({1, 0, 0, 0, 0, 0}));
}

TEST_F(RirekiTest, StartRunOverAllWordsShuffled) {
    history.StartRun(5, 5, true, false);
    EXPECT_TRUE(history.Running);
    EXPECT_EQ(history.RunSize, 5);
    EXPECT_EQ(history.Position, 0);
    EXPECT_THAT(history.Results, ElementsAre(0, 0, 0, 0, 0));
    EXPECT_THAT(history.Order, UnorderedElementsAre(0, 1, 2, 3, 4));
}

struct TSelectionCase {
    const char* name;
    std::vector<std::int32_t> previous;
    std::int32_t n;
    std::int32_t target;
    bool onlyMissed;
    std::vector<std::int32_t> results;
    std::int32_t runSize;
};

class RirekiSelectionTest : public ::testing::TestWithParam<TSelectionCase> {};

TEST_P(RirekiSelectionTest, SelectsWordsInOrder) {
    const TSelectionCase& c = GetParam();
    TRirekiList history;
    history.Results = c.previous;
    history.StartRun(c.n, c.target, false, c.onlyMissed);
    EXPECT_THAT(history.Results, ElementsAreArray(c.results));
    EXPECT_EQ(history.RunSize, c.runSize);
    std::vector<std::int32_t> identity(static_cast<std::size_t>(std::max(c.n, 0)));
    std::iota(identity.begin(), identity.end(), 0);
    EXPECT_EQ(history.Order, identity);
    EXPECT_TRUE(history.Running);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RirekiSelectionTest,
    ::testing::Values(
        TSelectionCase{"OnlyMissedTakesWrongAnswers", {1, -1, 0, -1}, 4, 4, true, {X, 0, X, 0}, 2},
        TSelectionCase{"OnlyMissedFallsBackToAll", {1, 1, 0, -99}, 4, 4, true, {0, 0, 0, 0}, 4},
        TSelectionCase{"MissedWordBeyondPreviousRun", {-1}, 3, 3, true, {0, X, X}, 1},
        TSelectionCase{"TargetLimitsSelection", {}, 5, 2, false, {0, 0, X, X, X}, 2},
        TSelectionCase{"TargetLimitsMissed", {-1, -1, -1}, 3, 2, true, {0, 0, X}, 2},
        TSelectionCase{"FallbackTakesTarget", {}, 4, 3, true, {0, 0, 0, X}, 3},
        TSelectionCase{"EmptyRun", {}, 0, 0, false, {}, 0},
        TSelectionCase{"TargetAboveCountIsClamped", {}, 2, 9, false, {0, 0}, 2},
        TSelectionCase{"NegativeCountIsEmpty", {}, -3, 1, false, {}, 0}),
    [](const auto& info) { return info.param.name; });

TEST_F(RirekiTest, EmptyRunFinishesWithZeroRecord) {
    history.StartRun(0, 0, true, false);
    std::int32_t position = 0;
    EXPECT_EQ(history.NextPending(position, false), -1);
    history.FinishRun();
    EXPECT_THAT(history.Records, ElementsAre(TRireki{0, 0}));
    EXPECT_FALSE(history.Running);
}

TEST_F(RirekiTest, QuizSequenceAsTheStudyWindowRunsIt) {
    history.StartRun(3, 3, false, false);
    history.Order = {2, 0, 1};
    std::int32_t p = 0;
    EXPECT_EQ(history.NextPending(p, false), 2);
    history.RecordAnswer(2, true);
    p = 1;
    EXPECT_EQ(history.NextPending(p, false), 0);
    history.RecordAnswer(0, false);
    p = 2;
    EXPECT_EQ(history.NextPending(p, false), 1);
    history.RecordAnswer(1, true);
    p = 3;
    EXPECT_EQ(history.NextPending(p, false), -1);
    EXPECT_EQ(history.Position, 3);
    history.FinishRun();
    EXPECT_THAT(history.Records, ElementsAre(TRireki{3, 2}));
    EXPECT_THAT(history.Results, ElementsAre(-1, 1, 1));
    EXPECT_EQ(history.Position, 3);
}

TEST_F(RirekiTest, NextPendingSkipsAnsweredAndStoresPosition) {
    history.Order = {0, 1, 2};
    history.Results = {1, 0, -1};
    std::int32_t p = 0;
    EXPECT_EQ(history.NextPending(p, false), 1);
    EXPECT_EQ(p, 1);
    EXPECT_EQ(history.Position, 1);
    p = 2;
    EXPECT_EQ(history.NextPending(p, true), 2);
    EXPECT_EQ(history.Position, 2);
}

TEST_F(RirekiTest, NextPendingNeverIndexesOutsideDamagedLists) {
    history.Order = {7, -4, 1};
    history.Results = {0, 0};
    std::int32_t p = 0;
    EXPECT_EQ(history.NextPending(p, false), 1);
    EXPECT_EQ(p, 2);
    p = -5;
    EXPECT_EQ(history.NextPending(p, false), -1);
}

TEST_F(RirekiTest, RecordAnswerIgnoresWordsOutsideTheRun) {
    history.StartRun(2, 2, false, false);
    history.RecordAnswer(2, true);
    history.RecordAnswer(-1, true);
    EXPECT_THAT(history.Results, ElementsAre(0, 0));
    history.RecordAnswer(1, false);
    EXPECT_THAT(history.Results, ElementsAre(0, -1));
}

TEST_F(RirekiTest, ShuffleOfOneWordKeepsIt) {
    history.Order = {0};
    history.Shuffle();
    EXPECT_THAT(history.Order, ElementsAre(0));
}

TEST_F(RirekiTest, ShuffleDrawsTwoHundredTimesPerWord) {
    history.Order = {0, 1, 2, 3};
    SeedRandom(99);
    history.Shuffle();
    std::vector<std::int32_t> expected = {0, 1, 2, 3};
    SeedRandom(99);
    for (int i = 0; i < 4 * 100; ++i) {
        const std::int32_t a = RandomBelow(4);
        const std::int32_t b = RandomBelow(4);
        std::swap(expected[static_cast<std::size_t>(a)], expected[static_cast<std::size_t>(b)]);
    }
    EXPECT_EQ(history.Order, expected);
    // The generator has moved exactly 800 draws on.
    SeedRandom(99);
    for (int i = 0; i < 800; ++i) {
        NextRandom();
    }
    const std::int32_t next = NextRandom();
    SeedRandom(99);
    history.Shuffle();
    EXPECT_EQ(NextRandom(), next);
}

TEST_F(RirekiTest, BlockRoundTripsAndReplacesRecords) {
    history.StartRun(3, 3, true, false);
    history.RecordAnswer(history.Order[0], true);
    history.Position = 1;
    history.FinishRun();
    history.Running = true;
    const std::string block = Written(history);
    EXPECT_EQ(block.substr(0, 4), Words({0}));

    TRirekiList copy;
    copy.Records = {{9, 9}, {8, 8}, {7, 7}};
    std::istringstream in(block);
    ASSERT_TRUE(copy.ReadFrom(in));
    EXPECT_TRUE(copy.Running);
    EXPECT_EQ(copy.RunSize, history.RunSize);
    EXPECT_EQ(copy.Position, 1);
    EXPECT_EQ(copy.Results, history.Results);
    EXPECT_EQ(copy.Order, history.Order);
    EXPECT_EQ(copy.Records, history.Records);
    EXPECT_EQ(Written(copy), block);
}

TEST_F(RirekiTest, RunningIsSetOnlyByStoredZero) {
    for (const std::int32_t stored : {0, 1, 2, -1}) {
        std::istringstream in(Words({stored, 0, 0, 0, 0, 0}));
        ASSERT_TRUE(history.ReadFrom(in));
        EXPECT_EQ(history.Running, stored == 0) << stored;
    }
}

TEST_F(RirekiTest, NegativeListLengthsReadAsEmpty) {
    std::istringstream in(Words({1, 2, 3, -5, -1, -7}));
    ASSERT_TRUE(history.ReadFrom(in));
    EXPECT_TRUE(history.Results.empty());
    EXPECT_TRUE(history.Order.empty());
    EXPECT_TRUE(history.Records.empty());
}

TEST_F(RirekiTest, ShortBlockLeavesHistoryAsItWas) {
    history.StartRun(2, 2, false, false);
    history.FinishRun();
    const std::string before = Written(history);
    const std::string cases[] = {
        "",
        Words({0, 1}),
        Words({0, 1, 0, 2, 0}),                     // results cut short
        Words({0, 1, 0, 0x7fffffff}),               // huge length, nothing follows
        Words({0, 1, 0, 0, 0, 1, 3}),               // record cut short
        Words({0, 1, 0, 0, 0, 0x40000000}) + "ab",  // record count far beyond the data
    };
    for (const std::string& bytes : cases) {
        std::istringstream in(bytes);
        EXPECT_FALSE(history.ReadFrom(in));
        EXPECT_EQ(Written(history), before);
    }
}

TEST_F(RirekiTest, ClearRecordsKeepsRunState) {
    history.StartRun(2, 2, false, false);
    history.FinishRun();
    history.ClearRecords();
    EXPECT_TRUE(history.Records.empty());
    EXPECT_EQ(history.Results.size(), 2u);
    EXPECT_EQ(history.RunSize, 2);
}

}  // namespace
}  // namespace zelpa
