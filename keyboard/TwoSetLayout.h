#pragma once

// The standard Korean two-set layout: which jamo each Latin letter key gives, with and without
// Shift. Key strings write a key press as its letter, lower case without Shift and upper case
// with it ("rkW": ㄱ ㅏ ㅉ), and the space key as ' '.

#include <array>
#include <cstdint>
#include <string>

#include "keyboard/Jamo.h"

struct TTwoSetKey {
    std::uint8_t plain;
    std::uint8_t shifted;
};

// Letters A to Z.
inline constexpr std::array<TTwoSetKey, 26> kTwoSetKeys{{
    {jamo::M, jamo::M},       // A ㅁ
    {jamo::YU, jamo::YU},     // B ㅠ
    {jamo::CH, jamo::CH},     // C ㅊ
    {jamo::NG, jamo::NG},     // D ㅇ
    {jamo::D, jamo::DD},      // E ㄷ ㄸ
    {jamo::L, jamo::L},       // F ㄹ
    {jamo::H, jamo::H},       // G ㅎ
    {jamo::O2, jamo::O2},     // H ㅗ
    {jamo::YA, jamo::YA},     // I ㅑ
    {jamo::O1, jamo::O1},     // J ㅓ
    {jamo::A, jamo::A},       // K ㅏ
    {jamo::I, jamo::I},       // L ㅣ
    {jamo::U2, jamo::U2},     // M ㅡ
    {jamo::U1, jamo::U1},     // N ㅜ
    {jamo::AE1, jamo::YAE1},  // O ㅐ ㅒ
    {jamo::OE1, jamo::YOE1},  // P ㅔ ㅖ
    {jamo::B, jamo::BB},      // Q ㅂ ㅃ
    {jamo::G, jamo::GG},      // R ㄱ ㄲ
    {jamo::N, jamo::N},       // S ㄴ
    {jamo::S, jamo::SS},      // T ㅅ ㅆ
    {jamo::YO1, jamo::YO1},   // U ㅕ
    {jamo::PH, jamo::PH},     // V ㅍ
    {jamo::J, jamo::JJ},      // W ㅈ ㅉ
    {jamo::TH, jamo::TH},     // X ㅌ
    {jamo::YO2, jamo::YO2},   // Y ㅛ
    {jamo::KH, jamo::KH},     // Z ㅋ
}};

// The jamo code of an upper-case letter key, 0 for any other key.
constexpr std::uint8_t JamoForKey(char letterUpper, bool shift) {
    if (letterUpper < 'A' || letterUpper > 'Z') {
        return 0;
    }
    const TTwoSetKey& key = kTwoSetKeys[letterUpper - 'A'];
    return shift ? key.shifted : key.plain;
}

// The jamo code of one key of a key string, 0 for a space or anything else.
constexpr std::uint8_t JamoForKeyChar(char key) {
    return key >= 'a' && key <= 'z' ? JamoForKey(static_cast<char>(key - 'a' + 'A'), false)
                                    : JamoForKey(key, true);
}

// The key-string letter that types a jamo, without Shift where it can; 0 for the compound vowels,
// which have no key.
constexpr char KeyCharForJamo(int code) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (JamoForKey(letter, false) == code) {
            return static_cast<char>(letter - 'A' + 'a');
        }
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (JamoForKey(letter, true) == code) {
            return letter;
        }
    }
    return 0;
}

// Appends the keys that type one code point of composed text: a precomposed syllable, a lone jamo
// or a space. Returns false, appending nothing, for a code point that no key sequence types on its
// own (a lone compound vowel, anything that is not Korean).
inline bool AppendTwoSetKeys(std::int32_t code, std::string& keys) {
    if (code == ' ') {
        keys += ' ';
        return true;
    }
    if (jamo::IsSyllableCode(code)) {
        const jamo::Syllable syllable = jamo::SplitSyllable(code);
        const jamo::JamoPair vowel = jamo::kVowels[syllable.vowel - jamo::A];
        const jamo::JamoPair final = jamo::kFinals[syllable.finalIndex];
        for (const int part : {int{syllable.initial}, int{vowel.first}, int{vowel.second},
                               int{final.first}, int{final.second}}) {
            if (part != 0) {
                keys += KeyCharForJamo(part);
            }
        }
        return true;
    }
    const char key = KeyCharForJamo(jamo::JamoOfLoneCode(code));
    if (key == 0) {
        return false;
    }
    keys += key;
    return true;
}
