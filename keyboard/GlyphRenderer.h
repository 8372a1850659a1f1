#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "keyboard/MonoBitmap.h"

// Draws a code point list as one line of Hangul from pictures alone: 19 glyph sheets holding every
// precomposed syllable and the 40 jamo pictures for lone jamo. No font is involved.
//
// Each code point takes one 24-pixel cell. A syllable is the 18 × 18 cell of its sheet at the
// cell's left edge; a lone jamo is the top-left 16 × 16 of its picture at (4, 2) inside the cell;
// every other value leaves its cell blank.
class TGlyphRenderer {
  public:
    static constexpr int kSheetCount = 19;
    static constexpr int kJamoCount = 40;

    // Sheets in initial-consonant order; jamo pictures in jamo-code order (consonants 1 to 19,
    // then vowels 50 to 70). The views must stay valid as long as the renderer.
    TGlyphRenderer(const std::array<TMonoConstView, kSheetCount>& sheets,
                   const std::array<TMonoConstView, kJamoCount>& jamo);

    // Replaces every pixel of `target` with the drawing of `codes`; no list or an empty one leaves
    // it white. Cells beyond the target's width are clipped.
    void Draw(const std::vector<std::int32_t>* codes, TMonoView target) const;

  private:
    void DrawCell(std::int32_t code, int x, TMonoView target) const;

    std::array<TMonoConstView, kSheetCount> FSheets;
    std::array<TMonoConstView, kJamoCount> FJamo;
};
