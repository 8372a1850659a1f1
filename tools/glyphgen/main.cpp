// glyphgen FONT OUTDIR: renders the glyph sheets and jamo pictures of the keyboard's text line from
// a Hangul font, checks them, and writes OUTDIR/glyphs/sheetNN.png, OUTDIR/jamo/jamoNN.png and
// OUTDIR/contact-sheet.png as 1-bit PNG files.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "ContactSheet.h"
#include "FontRaster.h"
#include "Glyphs.h"
#include "Hangul.h"
#include "PngFile.h"

namespace {

using namespace glyphgen;

// Baekmuk Gulim at 19 px fills the 18 x 18 cell with one-pixel strokes under its own hinting; the
// baseline at 15 leaves the top row free and lines the glyphs up with the lone-jamo pictures.
constexpr int kPixelSize = 19;
constexpr CellLayout kLayout{kGlyphSize, 0, 15};
constexpr int kContactSheetScale = 3;

std::string twoDigits(int number) {
    return std::string{static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
}

std::u32string jamoRun(char32_t first, int count) {
    std::u32string run;
    for (int i = 0; i < count; ++i) {
        run += first + static_cast<char32_t>(i);
    }
    return run;
}

std::vector<std::u32string> sampleLines() {
    return {
        U"한국어를 공부합니다",
        U"닭 값 읽다 앉다 뷁 쀍 힣",
        U"안녕하세요 감사합니다",
        U"개 걔 게 계 괘 궤 왜 웨 외",
        U"깪꺢 눏늛 뻑삑 툼틈 몬믄 욲윾",
        jamoRun(kFirstInitialJamo, kInitialCount),
        jamoRun(kFirstVowelJamo, kVowelCount),
    };
}

int run(const std::string& fontPath, const std::filesystem::path& outDir) {
    const FontRaster font(fontPath, kPixelSize);
    SyllableCells syllables = renderSyllables(font, kLayout);
    applySyllablePatches(syllables);
    const std::vector<std::string> faults = findFaults(syllables);
    for (const std::string& fault : faults) {
        std::fprintf(stderr, "glyphgen: %s\n", fault.c_str());
    }
    if (!faults.empty()) {
        return 1;
    }

    std::filesystem::create_directories(outDir / "glyphs");
    std::filesystem::create_directories(outDir / "jamo");
    for (int initial = 0; initial < kInitialCount; ++initial) {
        writeMonoPng(composeSheet(syllables, initial),
                     outDir / "glyphs" / ("sheet" + twoDigits(initial) + ".png"));
    }
    const std::vector<JamoPicture> jamo = jamoPictures();
    for (const JamoPicture& picture : jamo) {
        writeMonoPng(picture.picture,
                     outDir / "jamo" / ("jamo" + twoDigits(picture.code) + ".png"));
    }
    writeMonoPng(contactSheet(syllables, jamo, sampleLines(), kContactSheetScale),
                 outDir / "contact-sheet.png");
    std::printf("glyphgen: %s, %d px: %d syllables, %zu jamo pictures written to %s\n",
                font.familyName().c_str(), kPixelSize, kSyllableCount, jamo.size(), outDir.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: glyphgen FONT OUTDIR\n");
        return 2;
    }
    try {
        return run(argv[1], argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "glyphgen: %s\n", error.what());
        return 1;
    }
}
