// The clipboard conversions on 1 MiB of Korean text, each beside glibc iconv doing the same
// conversion of the same bytes: the EUC-KR paste (decoding) and copy (encoding), and reading
// references, which has no iconv counterpart and must stay linear.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "keyboard/TextForms.h"
#include "keyboard/Uni2euc.h"

namespace {

constexpr std::size_t kMiB = 1 << 20;

const TUni2Euc& Table() {
    static const TUni2Euc table(ZELPA_GENERATED_TABLE);
    return table;
}

// 1 MiB of EUC-KR: words of one to five Hangul syllables of the table, a space after each.
const std::string& EucKrText() {
    static const std::string text = [] {
        std::string bytes;
        std::vector<std::uint16_t> codes;
        for (std::int32_t uni = 0xAC00; uni <= 0xD7A3; ++uni) {
            if (const std::int32_t euc = Table().UniToEuc(uni); euc != uni) {
                codes.push_back(static_cast<std::uint16_t>(euc));
            }
        }
        if (codes.empty()) {
            std::abort();
        }
        std::mt19937 random(1);
        std::uniform_int_distribution<std::size_t> pick(0, codes.size() - 1);
        std::uniform_int_distribution<int> length(1, 5);
        while (bytes.size() + 11 < kMiB) {
            for (int n = length(random); n > 0; --n) {
                const std::uint16_t code = codes[pick(random)];
                bytes += static_cast<char>(code >> 8);
                bytes += static_cast<char>(code & 0xFF);
            }
            bytes += ' ';
        }
        bytes.resize(kMiB, ' ');
        return bytes;
    }();
    return text;
}

// The same text as the composer holds it.
const std::vector<std::int32_t>& CodePoints() {
    static const std::vector<std::int32_t> codes = [] {
        std::vector<std::int32_t> decoded;
        AppendEucKrText(EucKrText(), Table(), decoded);
        return decoded;
    }();
    return codes;
}

// Converts in to out with iconv in one call; out must be large enough.
class TIconv {
  public:
    TIconv(const char* to, const char* from) : FCd(iconv_open(to, from)) {
        if (FCd == reinterpret_cast<iconv_t>(-1)) {
            std::abort();
        }
    }
    ~TIconv() { iconv_close(FCd); }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;

    std::size_t Convert(const void* in, std::size_t inSize, std::vector<char>& out) {
        char* inPtr = static_cast<char*>(const_cast<void*>(in));
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        iconv(FCd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(FCd, &inPtr, &inSize, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            std::abort();
        }
        return out.size() - outLeft;
    }

  private:
    iconv_t FCd;
};

// Both decoders give code points in 32 bits; throughput counts the EUC-KR bytes.
void BM_PasteEucKr(benchmark::State& state) {
    const std::string& bytes = EucKrText();
    std::vector<std::int32_t> codes;
    for (auto _ : state) {
        codes.clear();
        AppendEucKrText(bytes, Table(), codes);
        benchmark::DoNotOptimize(codes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PasteEucKr);

void BM_IconvDecodeEucKr(benchmark::State& state) {
    const std::string& bytes = EucKrText();
    TIconv iconv("UCS-4LE", "EUC-KR");
    std::vector<char> out(4 * bytes.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(iconv.Convert(bytes.data(), bytes.size(), out));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_IconvDecodeEucKr);

// Both encoders read the code points as 32-bit integers; throughput counts the EUC-KR bytes.
void BM_CopyEucKr(benchmark::State& state) {
    const std::vector<std::int32_t>& codes = CodePoints();
    for (auto _ : state) {
        std::string bytes = EucKrBytes(codes, Table());
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * EucKrText().size()));
}
BENCHMARK(BM_CopyEucKr);

void BM_IconvEncodeEucKr(benchmark::State& state) {
    const std::vector<std::int32_t>& codes = CodePoints();
    TIconv iconv("EUC-KR", "UCS-4LE");
    std::vector<char> out(2 * codes.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(iconv.Convert(codes.data(), 4 * codes.size(), out));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * EucKrText().size()));
}
BENCHMARK(BM_IconvEncodeEucKr);

// Reference text of the given size: the decimal and hexadecimal references of the text, mixed.
std::string ReferenceText(std::size_t size) {
    std::string refs;
    const std::vector<std::int32_t>& codes = CodePoints();
    for (std::size_t i = 0; refs.size() < size; i += 64) {
        const std::span chunk = std::span(codes).subspan(i % (codes.size() - 64), 64);
        refs += i % 128 == 0 ? DecimalRefs(chunk) : HexRefs(chunk);
    }
    refs.resize(size);
    return refs;
}

// Times ParseRefs over one text; throughput counts its bytes.
void TimeParseRefs(benchmark::State& state, const std::string& refs) {
    for (auto _ : state) {
        std::vector<std::int32_t> codes;
        ParseRefs(refs, codes);
        benchmark::DoNotOptimize(codes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * refs.size()));
    state.SetComplexityN(state.range(0));
}

void BM_ParseRefs(benchmark::State& state) {
    TimeParseRefs(state, ReferenceText(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_ParseRefs)->RangeMultiplier(4)->Range(1 << 16, kMiB)->Complexity(benchmark::oN);

// Text that is all skipped semicolons before one reference at the very end: each skip must not
// search the rest of the text for "&#" again.
void BM_ParseRefsSkippingSemicolons(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    TimeParseRefs(state, std::string(size - 8, ';') + "&#46020;");
}
BENCHMARK(BM_ParseRefsSkippingSemicolons)
    ->RangeMultiplier(4)
    ->Range(1 << 16, kMiB)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
