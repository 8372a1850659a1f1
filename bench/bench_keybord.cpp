#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "keyboard/Jamo.h"
#include "keyboard/Keybord.h"
#include "keyboard/TwoSetLayout.h"

#ifdef ZELPA_WITH_LIBHANGUL
#include <hangul.h>

#include <memory>
#endif

namespace {

constexpr int kSyllables = 100'000;

// Words of one to four random syllables (every initial, vowel and final alike), each followed by
// a space, as a two-set key string.
const std::string& KeyStream() {
    static const std::string keys = [] {
        std::mt19937 random(20240611);
        std::uniform_int_distribution<int> initial(jamo::G, jamo::H);
        std::uniform_int_distribution<int> vowel(jamo::A, jamo::I);
        std::uniform_int_distribution<int> finalIndex(0, jamo::kFinalIndexCount - 1);
        std::uniform_int_distribution<int> wordLength(1, 4);
        std::string stream;
        for (int syllables = 0; syllables < kSyllables;) {
            for (int length = wordLength(random); length > 0 && syllables < kSyllables;
                 --length, ++syllables) {
                AppendTwoSetKeys(
                    jamo::SyllableCode(initial(random), vowel(random), finalIndex(random)), stream);
            }
            stream += ' ';
        }
        return stream;
    }();
    return keys;
}

// Reports the time per key beside the time per pass over the whole stream.
void CountKeys(benchmark::State& state) {
    state.counters["per_key"] = benchmark::Counter(
        static_cast<double>(KeyStream().size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["keys"] = static_cast<double>(KeyStream().size());
}

void TypeWithTKeyboard(TKeyboard& keyboard, const std::string& keys) {
    keyboard.Clear();
    for (const char key : keys) {
        if (key == ' ') {
            keyboard.AddChar(' ');
        } else {
            keyboard.AddJamo(JamoForKeyChar(key));
        }
    }
    keyboard.FlushComposing();
}

void BM_TKeyboard(benchmark::State& state) {
    const std::string& keys = KeyStream();
    TKeyboard keyboard;
    for (auto _ : state) {
        TypeWithTKeyboard(keyboard, keys);
        benchmark::DoNotOptimize(keyboard.Committed.data());
        benchmark::ClobberMemory();
    }
    CountKeys(state);
}
BENCHMARK(BM_TKeyboard)->Unit(benchmark::kMillisecond);

#ifdef ZELPA_WITH_LIBHANGUL

using InputContext = std::unique_ptr<HangulInputContext, decltype(&hangul_ic_delete)>;

void Append(std::vector<std::int32_t>& text, const ucschar* string) {
    for (; *string != 0; ++string) {
        text.push_back(static_cast<std::int32_t>(*string));
    }
}

// The usual driving of an input context: every key goes to hangul_ic_process, its commit string
// is read after every call, and a key it does not take (the space) follows that commit string.
void TypeWithLibhangul(HangulInputContext* context, const std::string& keys,
                       std::vector<std::int32_t>& text) {
    hangul_ic_reset(context);
    text.clear();
    for (const char key : keys) {
        const bool taken = hangul_ic_process(context, key);
        Append(text, hangul_ic_get_commit_string(context));
        if (!taken) {
            text.push_back(key);
        }
    }
    Append(text, hangul_ic_flush(context));
}

void BM_Libhangul(benchmark::State& state) {
    const std::string& keys = KeyStream();
    const InputContext context(hangul_ic_new("2"), &hangul_ic_delete);
    std::vector<std::int32_t> text;
    // Both must make the same text of the stream, or the comparison means nothing.
    TypeWithLibhangul(context.get(), keys, text);
    TKeyboard keyboard;
    TypeWithTKeyboard(keyboard, keys);
    if (text != keyboard.Committed) {
        state.SkipWithError("libhangul and TKeyboard make different text of the key stream");
        return;
    }
    for (auto _ : state) {
        TypeWithLibhangul(context.get(), keys, text);
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    }
    CountKeys(state);
}
BENCHMARK(BM_Libhangul)->Unit(benchmark::kMillisecond);

#endif

}  // namespace

BENCHMARK_MAIN();
