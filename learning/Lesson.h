#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "learning/Tango.h"

namespace zelpa {

// Lesson codes: a material header and one word as blocks of decimal-and-letter groups. Reading is
// TTangoList::ParseLessonHeader and TTango::ParseLessonCode; this is the producer.

inline constexpr std::string_view kLessonAlphabet =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// Content lines of the blocks written are at most this long.
inline constexpr std::size_t kLessonLineWidth = 64;
// A code quadruple holds 0 .. 999 × 62 + 61.
inline constexpr std::int32_t kLargestLessonCode = 999 * 62 + 61;

// Failure codes of the two readers.
inline constexpr std::int32_t kLessonNoBlock = -1;
inline constexpr std::int32_t kLessonBadNumber = -2;
inline constexpr std::int32_t kLessonBadLetter = -3;
inline constexpr std::int32_t kLessonEndsEarly = -4;

struct TLessonHeader {
    std::string HeadText1;
    std::string Title;
    std::string HeadText3;
};

// The whole lesson code of one word, lines ended by LF, the show-only line from `word.ShowOnly`;
// std::nullopt when an element of its Korean lies outside 0 .. kLargestLessonCode.
std::optional<std::string> WriteLessonCode(const TLessonHeader& header, const TTango& word);

}  // namespace zelpa
