#pragma once

#include <array>
#include <span>
#include <string_view>

namespace glyphgen {

// The picture of one jamo button, drawn by hand. Only the top-left 16 x 16 is ever drawn in the
// text line, so every drawing lies inside it, centred; vowel pictures are padded to 18 x 18 white.
struct JamoArt {
    int code;  // jamo code: consonants 1 to 19, vowels 50 to 70
    std::array<std::string_view, 16> rows;
};

std::span<const JamoArt> jamoArt();

}  // namespace glyphgen
