#pragma once

#include <string>

#include "keyboard/GlyphGrid.h"

namespace glyphgen {

using namespace glyphgrid;

constexpr char32_t syllable(int initial, int vowel, int final) {
    return static_cast<char32_t>(kFirstSyllable + (initial * kVowelCount + vowel) * kFinalCount +
                                 final);
}

// Jamo codes and the conjoining jamo they stand for.
inline constexpr int kFirstConsonantCode = 1;
inline constexpr int kFirstVowelCode = 50;
inline constexpr char32_t kFirstInitialJamo = 0x1100;
inline constexpr char32_t kFirstVowelJamo = 0x1161;
inline constexpr int kConsonantPictureSize = 16;
inline constexpr int kVowelPictureSize = 18;

std::string utf8(char32_t character);

}  // namespace glyphgen
