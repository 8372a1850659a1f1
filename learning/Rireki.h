#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <vector>

namespace zelpa {

class TBinaryWriter;

// One finished run of a quiz.
struct TRireki {
    std::int32_t RunSize = 0;
    std::int32_t CorrectCount = 0;

    friend bool operator==(const TRireki&, const TRireki&) = default;
};

// The history of one quiz direction: the state of the current run and the log of finished runs.
class TRirekiList {
  public:
    // Values of `Results`.
    static constexpr std::int32_t kNotInRun = -99;
    static constexpr std::int32_t kPending = 0;
    static constexpr std::int32_t kCorrect = 1;
    static constexpr std::int32_t kWrong = -1;

    // Reseeds the program-wide generator from the clock.
    TRirekiList();

    bool Running = false;
    std::int32_t RunSize = 0;
    // Index into `Order` at which the quiz continues.
    std::int32_t Position = 0;
    // One value per word of the material as it was when the run started, by word index.
    std::vector<std::int32_t> Results;
    // Word indices in the order in which they are asked.
    std::vector<std::int32_t> Order;
    // Finished runs, oldest first.
    std::vector<TRireki> Records;

    void ClearRecords();

    // Reads a history block, replacing the run state and the records. A block that ends early
    // leaves the history exactly as it was and returns false (the stream is then failed).
    bool ReadFrom(std::istream& in);
    void WriteTo(std::ostream& out) const;
    void WriteTo(TBinaryWriter& writer) const;

    // Sets up a new run over n words with at most `target` of them taking part. A target outside
    // 0..n is taken as the nearest of the two.
    void StartRun(std::int32_t wordCount, std::int32_t target, bool shuffle, bool onlyMissed);
    // Reorders `Order` at random: m × 100 exchanges of two drawn positions.
    void Shuffle();
    // The next word to ask from `position` on (the word there when `takeAny`, else the next
    // pending one), or -1 at the end; stores the final position in `position` and `Position`.
    // An index that names no entry of `Results` (a damaged history) is never taken as pending.
    // The index may no longer name a word of the material when words were dropped since the
    // run started: callers check it before they use it.
    std::int32_t NextPending(std::int32_t& position, bool takeAny);
    void RecordAnswer(std::int32_t word, bool correct);
    // Logs the run (its size and the number of correct answers) and clears `Running`.
    void FinishRun();
};

}  // namespace zelpa
