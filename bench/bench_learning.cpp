// Speed of the vocabulary data at 10,000 and 100,000 words, and of one word of millions of code
// points; each should grow linearly.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "learning/Lesson.h"
#include "learning/Random.h"
#include "learning/Tango.h"
#include "learning/TextLines.h"

namespace {

using zelpa::TTango;
using zelpa::TTangoList;

// A word of typical size: a short Japanese meaning, three syllables, an explanation on every
// fourth word.
TTango SampleWord(int index) {
    TTango word;
    word.Japan = "\x82\xA0\x82\xA2\x82\xA4" + std::to_string(index);
    word.Hangul = {0xAC00 + index % 11172, 0xB098, 0xB2E4};
    if (index % 4 == 0) {
        word.Setsumei = "\x90\xE0\x96\xBE\x82\xCC\x95\xB6\x8F\xCD " + std::to_string(index);
    }
    return word;
}

void FillMaterial(TTangoList& material, int count) {
    material.Title = "bench";
    for (int i = 0; i < count; ++i) {
        material.AddWordCopy(SampleWord(i));
    }
    material.RirekiJ2K.StartRun(count, count, false, false);
}

std::filesystem::path BenchFile() {
    return std::filesystem::temp_directory_path() /
           ("zelpa-bench-" + std::to_string(getpid()) + ".ktg");
}

void BM_MaterialSave(benchmark::State& state) {
    TTangoList material;
    FillMaterial(material, static_cast<int>(state.range(0)));
    const auto path = BenchFile();
    for (auto _ : state) {
        material.SaveToFile(path);
    }
    std::filesystem::remove(path);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MaterialSave)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_MaterialLoad(benchmark::State& state) {
    const auto path = BenchFile();
    {
        TTangoList material;
        FillMaterial(material, static_cast<int>(state.range(0)));
        material.SaveToFile(path);
    }
    TTangoList material;
    for (auto _ : state) {
        if (material.LoadFromFile(path) != zelpa::TReadOutcome::Complete) {
            state.SkipWithError("material did not load whole");
        }
    }
    std::filesystem::remove(path);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MaterialLoad)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// One word whose Korean holds n code points (as in a damaged or hostile file): reading it must
// stay linear in n.
void BM_LongWordLoad(benchmark::State& state) {
    std::stringstream file;
    {
        TTangoList material;
        TTango word = SampleWord(0);
        word.Hangul.assign(static_cast<std::size_t>(state.range(0)), 0xAC00);
        material.AddWordCopy(word);
        material.WriteTo(file);
    }
    const std::string bytes = file.str();
    TTangoList material;
    for (auto _ : state) {
        std::istringstream in(bytes);
        if (material.ReadFrom(in) != zelpa::TReadOutcome::Complete) {
            state.SkipWithError("material did not load whole");
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LongWordLoad)->Arg(1 << 20)->Arg(1 << 23)->Unit(benchmark::kMillisecond)->Complexity();

void BM_FindByJapan(benchmark::State& state) {
    TTangoList material;
    const int count = static_cast<int>(state.range(0));
    FillMaterial(material, count);
    const std::string wanted = SampleWord(count / 2).Japan;
    for (auto _ : state) {
        std::vector<TTango*> found;
        benchmark::DoNotOptimize(material.FindByJapan(wanted, found));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FindByJapan)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Complexity();

void BM_ParseLessonCodes(benchmark::State& state) {
    std::string text;
    const int count = static_cast<int>(state.range(0));
    for (int i = 0; i < count; ++i) {
        text += *zelpa::WriteLessonCode({"", "bench", ""}, SampleWord(i)) + "\n";
    }
    for (auto _ : state) {
        zelpa::TTextLines lines = zelpa::SplitLines(text);
        int parsed = 0;
        while (!lines.empty()) {
            TTangoList material;
            TTango word;
            if (material.ParseLessonHeader(lines) != 0 || word.ParseLessonCode(lines) != 0) {
                break;
            }
            ++parsed;
        }
        if (parsed != count) {
            state.SkipWithError("a lesson code did not parse");
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseLessonCodes)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_Shuffle(benchmark::State& state) {
    zelpa::TRirekiList history;
    history.StartRun(static_cast<std::int32_t>(state.range(0)),
                     static_cast<std::int32_t>(state.range(0)), false, false);
    for (auto _ : state) {
        history.Shuffle();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Shuffle)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
