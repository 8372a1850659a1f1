#pragma once

#include <cstdint>

#include "keyboard/Jamo.h"

// The layout of the glyph sheets and of the drawn text line, shared by the renderer and by the
// generator of the sheets.
namespace glyphgrid {

// Precomposed syllables: U+AC00 + (initial × 21 + vowel) × 28 + final.
inline constexpr std::int32_t kFirstSyllable = jamo::kFirstSyllable;
inline constexpr int kInitialCount = jamo::kConsonantCount;  // one sheet per initial
inline constexpr int kVowelCount = jamo::kVowelCount;        // a sheet's rows
inline constexpr int kFinalCount = jamo::kFinalIndexCount;   // columns; final 0 is "no final"
inline constexpr int kSyllablesPerSheet = kVowelCount * kFinalCount;
inline constexpr int kSyllableCount = kInitialCount * kSyllablesPerSheet;

// A cell of a sheet: the glyph square at (column × kColumnPitch, row × kRowPitch).
inline constexpr int kGlyphSize = 18;
inline constexpr int kColumnPitch = 28;
inline constexpr int kRowPitch = 24;
inline constexpr int kSheetWidth = (kFinalCount - 1) * kColumnPitch + kGlyphSize;  // 774
inline constexpr int kSheetHeight = (kVowelCount - 1) * kRowPitch + kGlyphSize;    // 498
// The ㅍ sheet carries one extra white column on its right.
inline constexpr int kWideSheet = 17;

// The text line: one cell per code point; a syllable at the cell's left edge, a lone jamo as the
// top-left square of its picture at (kJamoLeft, kJamoTop) inside the cell.
inline constexpr int kCellWidth = 24;
inline constexpr int kDrawnJamoSize = 16;
inline constexpr int kJamoLeft = 4;
inline constexpr int kJamoTop = 2;

}  // namespace glyphgrid
