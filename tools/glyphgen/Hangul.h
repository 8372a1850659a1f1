#pragma once

#include <string>

namespace glyphgen {

// Precomposed syllables: U+AC00 + (initial * 21 + vowel) * 28 + final.
inline constexpr char32_t kFirstSyllable = 0xAC00;
inline constexpr int kInitialCount = 19;
inline constexpr int kVowelCount = 21;
inline constexpr int kFinalCount = 28;  // final 0 is "no final"
inline constexpr int kSyllableCount = kInitialCount * kVowelCount * kFinalCount;

constexpr char32_t syllable(int initial, int vowel, int final) {
    return kFirstSyllable +
           static_cast<char32_t>((initial * kVowelCount + vowel) * kFinalCount + final);
}

// Glyph-sheet grid: one sheet per initial, row = vowel, column = final.
inline constexpr int kGlyphSize = 18;
inline constexpr int kColumnPitch = 28;
inline constexpr int kRowPitch = 24;
inline constexpr int kSheetWidth = (kFinalCount - 1) * kColumnPitch + kGlyphSize;  // 774
inline constexpr int kSheetHeight = (kVowelCount - 1) * kRowPitch + kGlyphSize;    // 498
// The ㅍ sheet carries one extra white column on its right.
inline constexpr int kWideSheet = 17;

// Jamo codes and the conjoining jamo they stand for.
inline constexpr int kFirstConsonantCode = 1;
inline constexpr int kFirstVowelCode = 50;
inline constexpr char32_t kFirstInitialJamo = 0x1100;
inline constexpr char32_t kFirstVowelJamo = 0x1161;
inline constexpr int kConsonantPictureSize = 16;
inline constexpr int kVowelPictureSize = 18;
// The text line draws only this top-left square of a jamo picture.
inline constexpr int kDrawnJamoSize = 16;

std::string utf8(char32_t character);

}  // namespace glyphgen
