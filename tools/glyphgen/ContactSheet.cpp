#include "ContactSheet.h"

#include <algorithm>

#include "Hangul.h"

namespace glyphgen {

namespace {

constexpr int kLineHeight = 24;
constexpr int kLineGap = 8;
constexpr int kMargin = 8;

const MonoBitmap* jamoPicture(const std::vector<JamoPicture>& jamo, int code) {
    const auto found = std::ranges::find(jamo, code, &JamoPicture::code);
    return found != jamo.end() ? &found->picture : nullptr;
}

void drawCharacter(MonoBitmap& sheet, int x, int y, char32_t c, const SyllableCells& syllables,
                   const std::vector<JamoPicture>& jamo) {
    const int initialCode = static_cast<int>(c) - static_cast<int>(kFirstInitialJamo);
    const int vowelCode = static_cast<int>(c) - static_cast<int>(kFirstVowelJamo);
    const MonoBitmap* picture = nullptr;
    if (c >= kFirstSyllable && c < kFirstSyllable + kSyllableCount) {
        sheet.paste(syllables[c - kFirstSyllable], x, y);
    } else if (initialCode >= 0 && initialCode < kInitialCount) {
        picture = jamoPicture(jamo, kFirstConsonantCode + initialCode);
    } else if (vowelCode >= 0 && vowelCode < kVowelCount) {
        picture = jamoPicture(jamo, kFirstVowelCode + vowelCode);
    }
    if (picture != nullptr) {
        sheet.paste(picture->cropped(0, 0, kDrawnJamoSize, kDrawnJamoSize), x + kJamoLeft,
                    y + kJamoTop);
    }
}

}  // namespace

MonoBitmap contactSheet(const SyllableCells& syllables, const std::vector<JamoPicture>& jamo,
                        const std::vector<std::u32string>& lines, int scale) {
    std::size_t longest = 0;
    for (const auto& line : lines) {
        longest = std::max(longest, line.size());
    }
    const int lineCount = static_cast<int>(lines.size());
    MonoBitmap sheet(2 * kMargin + static_cast<int>(longest) * kCellWidth,
                     2 * kMargin + lineCount * kLineHeight + (lineCount - 1) * kLineGap);
    for (int row = 0; row < lineCount; ++row) {
        const int y = kMargin + row * (kLineHeight + kLineGap);
        for (std::size_t i = 0; i < lines[row].size(); ++i) {
            drawCharacter(sheet, kMargin + static_cast<int>(i) * kCellWidth, y, lines[row][i],
                          syllables, jamo);
        }
    }
    return sheet.scaled(scale);
}

}  // namespace glyphgen
