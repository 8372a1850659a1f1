#pragma once

#include <array>
#include <span>
#include <string_view>

namespace glyphgen {

// A syllable drawn by hand over the font's bitmap, where the font's own drawing at this size loses
// a stroke that tells it apart from a neighbouring syllable.
struct SyllablePatch {
    char32_t syllable;
    std::array<std::string_view, 18> rows;  // '#' black, '.' white
};

std::span<const SyllablePatch> syllablePatches();

}  // namespace glyphgen
