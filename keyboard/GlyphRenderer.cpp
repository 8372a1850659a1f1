#include "keyboard/GlyphRenderer.h"

#include <algorithm>

#include "keyboard/GlyphGrid.h"

using namespace glyphgrid;

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
    if (jamo::IsSyllableCode(code)) {
        const int s = code - kFirstSyllable;
        const int row = s % kSyllablesPerSheet / kFinalCount;
        const int column = s % kFinalCount;
        CopyMonoBlock(FSheets[s / kSyllablesPerSheet], kColumnPitch * column, kRowPitch * row,
                      kGlyphSize, kGlyphSize, target, x, 0);
        return;
    }
    const int picture = jamo::JamoIndex(jamo::JamoOfLoneCode(code));
    if (picture >= 0)
        CopyMonoBlock(FJamo[picture], 0, 0, kDrawnJamoSize, kDrawnJamoSize, target, x + kJamoLeft,
                      kJamoTop);
}
