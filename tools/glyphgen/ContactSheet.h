#pragma once

#include <string>
#include <vector>

#include "Glyphs.h"

namespace glyphgen {

// Sample lines drawn exactly as the keyboard's text line draws them (24-pixel cells, syllables at
// the cell's corner, lone jamo at (4, 2) from the top-left 16 x 16 of their picture), stacked with
// a margin and enlarged so that each pixel can be seen.
MonoBitmap contactSheet(const SyllableCells& syllables, const std::vector<JamoPicture>& jamo,
                        const std::vector<std::u32string>& lines, int scale);

}  // namespace glyphgen
