#pragma once

#include <string>
#include <vector>

#include "FontRaster.h"
#include "MonoBitmap.h"

namespace glyphgen {

// The 11,172 syllable glyphs, index = code point - U+AC00, each 18 x 18.
using SyllableCells = std::vector<MonoBitmap>;

// Renders every syllable into its cell; throws std::runtime_error when ink falls outside a cell.
SyllableCells renderSyllables(const FontRaster& font, const CellLayout& layout);
void applySyllablePatches(SyllableCells& cells);

// Syllables that differ in one jamo must differ in at least this many pixels, so that a lost stroke
// (a one-pixel stem of ㅜ, a tick of ㅓ swallowed by the initial) cannot pass unnoticed.
inline constexpr int kMinimumNeighbourDistance = 3;

// Blank cells, cells shared by two syllables and neighbours closer than the minimum, one line each.
std::vector<std::string> findFaults(const SyllableCells& cells);

// The glyph sheet of one initial: row = vowel, column = final.
MonoBitmap composeSheet(const SyllableCells& cells, int initial);

struct JamoPicture {
    int code;
    MonoBitmap picture;  // 16 x 16 for consonants, 18 x 18 for vowels
};
std::vector<JamoPicture> jamoPictures();

}  // namespace glyphgen
