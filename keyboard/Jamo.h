#pragma once

// Jamo codes and the arithmetic of Hangul syllables: pure functions and tables, no state.

#include <array>
#include <cstddef>
#include <cstdint>

namespace jamo {

// A jamo code names one jamo: the 19 initial consonants are 1 to 19 and the 21 vowels 50 to 70,
// both in Unicode order. The names are those of the jamo buttons.
enum Code : std::uint8_t {
    G = 1,
    GG,
    N,
    D,
    DD,
    L,
    M,
    B,
    BB,
    S,
    SS,
    NG,
    J,
    JJ,
    CH,
    KH,
    TH,
    PH,
    H,
    A = 50,
    AE1,
    YA,
    YAE1,
    O1,
    OE1,
    YO1,
    YOE1,
    O2,
    OA,
    OAE,
    OI,
    YO2,
    U1,
    UO,
    UOI,
    UI,
    YU,
    U2,
    UI2,
    I,
};

inline constexpr int kConsonantCount = H - G + 1;
inline constexpr int kVowelCount = I - A + 1;
// Final indices run from 0 (no final) to 27.
inline constexpr int kFinalIndexCount = 28;

inline constexpr std::int32_t kFirstSyllable = 0xAC00;  // 가
inline constexpr std::int32_t kLastSyllable = 0xD7A3;   // 힣
inline constexpr std::int32_t kFirstLoneConsonant = 0x1100;
inline constexpr std::int32_t kFirstLoneVowel = 0x1161;

constexpr bool IsConsonant(int code) {
    return code >= G && code <= H;
}
constexpr bool IsVowel(int code) {
    return code >= A && code <= I;
}
constexpr bool IsJamo(int code) {
    return IsConsonant(code) || IsVowel(code);
}

// The precomposed syllable of an initial consonant, a vowel and a final index.
constexpr std::int32_t SyllableCode(int initial, int vowel, int finalIndex) {
    return kFirstSyllable + ((initial - G) * kVowelCount + (vowel - A)) * kFinalIndexCount +
           finalIndex;
}

// The conjoining jamo that stands for a jamo that is not part of a syllable.
constexpr std::int32_t LoneJamoCode(int code) {
    return IsConsonant(code) ? kFirstLoneConsonant + (code - G) : kFirstLoneVowel + (code - A);
}

// One jamo or a pair of them, second 0 for none.
struct JamoPair {
    std::uint8_t first;
    std::uint8_t second;
};

// The finals by final index, each written as the consonants that make it: a compound final is
// typed as its two consonants; ㄲ and ㅆ have jamo of their own.
inline constexpr std::array<JamoPair, kFinalIndexCount> kFinals{{
    {0, 0},   // 0  no final
    {G, 0},   // 1  ㄱ
    {GG, 0},  // 2  ㄲ
    {G, S},   // 3  ㄳ
    {N, 0},   // 4  ㄴ
    {N, J},   // 5  ㄵ
    {N, H},   // 6  ㄶ
    {D, 0},   // 7  ㄷ
    {L, 0},   // 8  ㄹ
    {L, G},   // 9  ㄺ
    {L, M},   // 10 ㄻ
    {L, B},   // 11 ㄼ
    {L, S},   // 12 ㄽ
    {L, TH},  // 13 ㄾ
    {L, PH},  // 14 ㄿ
    {L, H},   // 15 ㅀ
    {M, 0},   // 16 ㅁ
    {B, 0},   // 17 ㅂ
    {B, S},   // 18 ㅄ
    {S, 0},   // 19 ㅅ
    {SS, 0},  // 20 ㅆ
    {NG, 0},  // 21 ㅇ
    {J, 0},   // 22 ㅈ
    {CH, 0},  // 23 ㅊ
    {KH, 0},  // 24 ㅋ
    {TH, 0},  // 25 ㅌ
    {PH, 0},  // 26 ㅍ
    {H, 0},   // 27 ㅎ
}};

// The vowels in code order, each written as the simple vowels that make it.
inline constexpr std::array<JamoPair, kVowelCount> kVowels{{
    {A, 0},     // 50 ㅏ
    {AE1, 0},   // 51 ㅐ
    {YA, 0},    // 52 ㅑ
    {YAE1, 0},  // 53 ㅒ
    {O1, 0},    // 54 ㅓ
    {OE1, 0},   // 55 ㅔ
    {YO1, 0},   // 56 ㅕ
    {YOE1, 0},  // 57 ㅖ
    {O2, 0},    // 58 ㅗ
    {O2, A},    // 59 ㅘ
    {O2, AE1},  // 60 ㅙ
    {O2, I},    // 61 ㅚ
    {YO2, 0},   // 62 ㅛ
    {U1, 0},    // 63 ㅜ
    {U1, O1},   // 64 ㅝ
    {U1, OE1},  // 65 ㅞ
    {U1, I},    // 66 ㅟ
    {YU, 0},    // 67 ㅠ
    {U2, 0},    // 68 ㅡ
    {U2, I},    // 69 ㅢ
    {I, 0},     // 70 ㅣ
}};

namespace detail {

// Final index by (first consonant, second consonant or 0).
inline constexpr auto kFinalIndexTable = [] {
    std::array<std::array<std::uint8_t, H + 1>, H + 1> table{};
    for (std::size_t index = 1; index < kFinals.size(); ++index) {
        table[kFinals[index].first][kFinals[index].second] = static_cast<std::uint8_t>(index);
    }
    return table;
}();

// Compound vowel by (previous vowel, next vowel), both counted from ㅏ.
inline constexpr auto kCompoundVowelTable = [] {
    std::array<std::array<std::uint8_t, kVowelCount>, kVowelCount> table{};
    for (std::size_t index = 0; index < kVowels.size(); ++index) {
        if (kVowels[index].second != 0) {
            table[kVowels[index].first - A][kVowels[index].second - A] =
                static_cast<std::uint8_t>(A + index);
        }
    }
    return table;
}();

}  // namespace detail

// The final index of a consonant alone (second 0) or of a compound final; 0 for anything else,
// ㄸ, ㅃ and ㅉ included, which never end a syllable.
constexpr int FinalIndex(int first, int second) {
    const bool inTable = IsConsonant(first) && (second == 0 || IsConsonant(second));
    return inTable ? detail::kFinalIndexTable[first][second] : 0;
}

// The compound vowel that two vowels typed in a row make, or 0.
constexpr int CombineVowels(int previous, int next) {
    return IsVowel(previous) && IsVowel(next) ? detail::kCompoundVowelTable[previous - A][next - A]
                                              : 0;
}

// A precomposed syllable taken apart.
struct Syllable {
    std::uint8_t initial;
    std::uint8_t vowel;
    std::uint8_t finalIndex;
};

constexpr bool IsSyllableCode(std::int32_t code) {
    return code >= kFirstSyllable && code <= kLastSyllable;
}

// Only for codes that pass IsSyllableCode.
constexpr Syllable SplitSyllable(std::int32_t code) {
    const std::int32_t offset = code - kFirstSyllable;
    return {static_cast<std::uint8_t>(G + offset / (kVowelCount * kFinalIndexCount)),
            static_cast<std::uint8_t>(A + offset / kFinalIndexCount % kVowelCount),
            static_cast<std::uint8_t>(offset % kFinalIndexCount)};
}

// The jamo code of a lone (conjoining) jamo code point, or 0 when it is none.
constexpr int JamoOfLoneCode(std::int32_t code) {
    if (code >= kFirstLoneConsonant && code <= LoneJamoCode(H)) {
        return G + (code - kFirstLoneConsonant);
    }
    if (code >= kFirstLoneVowel && code <= LoneJamoCode(I)) {
        return A + (code - kFirstLoneVowel);
    }
    return 0;
}

// The place of a jamo code in jamo-code order (the 19 consonants, then the 21 vowels), which is
// the order of the jamo buttons and their pictures; -1 for any other value.
constexpr int JamoIndex(int code) {
    if (IsConsonant(code)) {
        return code - G;
    }
    if (IsVowel(code)) {
        return kConsonantCount + (code - A);
    }
    return -1;
}

}  // namespace jamo
