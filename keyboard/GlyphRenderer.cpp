#include "keyboard/GlyphRenderer.h"

#include <algorithm>

#include "keyboard/GlyphGrid.h"

using namespace glyphgrid;

namespace {
constexpr std::int32_t kLastSyllable = kFirstSyllable + kSyllableCount - 1;
constexpr std::int32_t kFirstInitial = 0x1100;
constexpr std::int32_t kLastInitial = 0x1112;
constexpr std::int32_t kFirstVowel = 0x1161;
constexpr std::int32_t kLastVowel = 0x1175;
constexpr int kVowelPictureOffset = 19;  // the vowels' pictures follow the 19 consonants'
}  // namespace

TGlyphRenderer::TGlyphRenderer(const std::array<TMonoConstView, kSheetCount>& sheets,
                               const std::array<TMonoConstView, kJamoCount>& jamo)
    : FSheets(sheets), FJamo(jamo) {}

void TGlyphRenderer::Draw(const std::vector<std::int32_t>* codes, TMonoView target) const {
    ClearMono(target);
    if (!codes)
        return;
    const int visibleCells = (target.width + kCellWidth - 1) / kCellWidth;
    const int cells = static_cast<int>(std::min<std::size_t>(codes->size(), visibleCells));
    for (int i = 0; i < cells; ++i)
        DrawCell((*codes)[i], kCellWidth * i, target);
}

void TGlyphRenderer::DrawCell(std::int32_t code, int x, TMonoView target) const {
    if (code >= kFirstSyllable && code <= kLastSyllable) {
        const int s = code - kFirstSyllable;
        const int row = s % kSyllablesPerSheet / kFinalCount;
        const int column = s % kFinalCount;
        CopyMonoBlock(FSheets[s / kSyllablesPerSheet], kColumnPitch * column, kRowPitch * row,
                      kGlyphSize, kGlyphSize, target, x, 0);
        return;
    }
    int jamo = -1;
    if (code >= kFirstInitial && code <= kLastInitial)
        jamo = code - kFirstInitial;
    if (code >= kFirstVowel && code <= kLastVowel)
        jamo = code - kFirstVowel + kVowelPictureOffset;
    if (jamo >= 0)
        CopyMonoBlock(FJamo[jamo], 0, 0, kDrawnJamoSize, kDrawnJamoSize, target, x + kJamoLeft,
                      kJamoTop);
}
