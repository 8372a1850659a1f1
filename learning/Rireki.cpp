#include "learning/Rireki.h"

#include <algorithm>
#include <utility>

#include "learning/BinaryIo.h"
#include "learning/Random.h"

namespace zelpa {
namespace {

constexpr int kShuffleRounds = 100;

// `Running` is stored as 0 when set and 1 when clear.
constexpr std::int32_t kStoredRunning = 0;
constexpr std::int32_t kStoredNotRunning = 1;

bool ReadList(TBinaryReader& reader, std::vector<std::int32_t>& list) {
    std::int32_t length = 0;
    return reader.Word(length) && reader.Words(CountOf(length), 0, list);
}

void WriteList(TBinaryWriter& writer, const std::vector<std::int32_t>& list) {
    writer.Word(static_cast<std::int32_t>(list.size()));
    for (const std::int32_t value : list) {
        writer.Word(value);
    }
}

}  // namespace

TRirekiList::TRirekiList() {
    SeedRandomFromClock();
}

void TRirekiList::ClearRecords() {
    Records.clear();
}

bool TRirekiList::ReadFrom(std::istream& in) {
    TBinaryReader reader(in);
    std::int32_t running = 0;
    std::int32_t runSize = 0;
    std::int32_t position = 0;
    std::vector<std::int32_t> results;
    std::vector<std::int32_t> order;
    std::int32_t recordCount = 0;
    std::vector<std::int32_t> recordWords;
    if (!reader.Word(running) || !reader.Word(runSize) || !reader.Word(position) ||
        !ReadList(reader, results) || !ReadList(reader, order) || !reader.Word(recordCount) ||
        !reader.Words(CountOf(recordCount) * 2, 0, recordWords)) {
        return false;
    }
    Running = running == kStoredRunning;
    RunSize = runSize;
    Position = position;
    Results = std::move(results);
    Order = std::move(order);
    Records.clear();
    for (std::size_t i = 0; i < recordWords.size(); i += 2) {
        Records.push_back({recordWords[i], recordWords[i + 1]});
    }
    return true;
}

void TRirekiList::WriteTo(TBinaryWriter& writer) const {
    writer.Word(Running ? kStoredRunning : kStoredNotRunning);
    writer.Word(RunSize);
    writer.Word(Position);
    WriteList(writer, Results);
    WriteList(writer, Order);
    writer.Word(static_cast<std::int32_t>(Records.size()));
    for (const TRireki& record : Records) {
        writer.Word(record.RunSize);
        writer.Word(record.CorrectCount);
    }
}

void TRirekiList::WriteTo(std::ostream& out) const {
    TBinaryWriter writer(out);
    WriteTo(writer);
}

void TRirekiList::StartRun(std::int32_t wordCount, std::int32_t target, bool shuffle,
                           bool onlyMissed) {
    const std::int32_t n = std::max(wordCount, 0);
    const std::int32_t t = std::clamp(target, 0, n);
    RunSize = t;
    Position = 0;
    const std::vector<std::int32_t> previous = std::move(Results);
    Results.assign(static_cast<std::size_t>(n), kNotInRun);
    Order.resize(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i) {
        Order[static_cast<std::size_t>(i)] = i;
    }
    if (shuffle) {
        Shuffle();
    }
    const auto missedBefore = [&previous](std::int32_t word) {
        return static_cast<std::size_t>(word) < previous.size() &&
               previous[static_cast<std::size_t>(word)] == kWrong;
    };
    std::int32_t selected = 0;
    for (std::size_t k = 0; k < Order.size() && selected < t; ++k) {
        const std::int32_t word = Order[k];
        if (!onlyMissed || missedBefore(word)) {
            Results[static_cast<std::size_t>(word)] = kPending;
            ++selected;
        }
    }
    if (selected == 0) {
        for (std::size_t k = 0; k < static_cast<std::size_t>(t); ++k) {
            Results[static_cast<std::size_t>(Order[k])] = kPending;
        }
        selected = t;
    }
    RunSize = std::min(RunSize, selected);
    Running = true;
}

void TRirekiList::Shuffle() {
    const auto m = static_cast<std::int32_t>(Order.size());
    const std::int64_t draws = static_cast<std::int64_t>(m) * kShuffleRounds;
    for (std::int64_t i = 0; i < draws; ++i) {
        const std::int32_t a = RandomBelow(m);
        const std::int32_t b = RandomBelow(m);
        if (a != b) {
            std::swap(Order[static_cast<std::size_t>(a)], Order[static_cast<std::size_t>(b)]);
        }
    }
}

std::int32_t TRirekiList::NextPending(std::int32_t& position, bool takeAny) {
    std::int32_t found = -1;
    while (position >= 0 && static_cast<std::size_t>(position) < Order.size()) {
        const std::int32_t word = Order[static_cast<std::size_t>(position)];
        const bool pending = static_cast<std::size_t>(word) < Results.size() &&
                             Results[static_cast<std::size_t>(word)] == kPending;
        if (takeAny || pending) {
            found = word;
            break;
        }
        ++position;
    }
    Position = position;
    return found;
}

void TRirekiList::RecordAnswer(std::int32_t word, bool correct) {
    if (word >= 0 && static_cast<std::size_t>(word) < Results.size()) {
        Results[static_cast<std::size_t>(word)] = correct ? kCorrect : kWrong;
    }
}

void TRirekiList::FinishRun() {
    const auto correct = std::count(Results.begin(), Results.end(), kCorrect);
    Records.push_back({RunSize, static_cast<std::int32_t>(correct)});
    Running = false;
}

}  // namespace zelpa
