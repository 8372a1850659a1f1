#include "keyboard/Keybord.h"

#include <algorithm>

#include "keyboard/Jamo.h"

namespace {

// How a new jamo meets the jamo held just before it.
enum Arrival : std::uint8_t {
    kVowel,
    kConsonant,     // can end a syllable alone
    kNeverFinal,    // ㄸ, ㅃ, ㅉ
    kFinalPartner,  // makes a compound final with the consonant before it
    kArrivalCount,
};

// How each jamo arrives, before the jamo held in front of it is looked at.
constexpr auto kArrivalByCode = [] {
    std::array<Arrival, jamo::I + 1> arrivals{};
    for (int code = jamo::G; code <= jamo::I; ++code) {
        arrivals[code] = jamo::IsVowel(code)              ? kVowel
                         : jamo::FinalIndex(code, 0) != 0 ? kConsonant
                                                          : kNeverFinal;
    }
    return arrivals;
}();

Arrival ArrivalOf(int code, int previous) {
    const Arrival arrival = kArrivalByCode[code];
    return arrival == kConsonant && jamo::FinalIndex(previous, code) != 0 ? kFinalPartner : arrival;
}

// How many jamo from the front of the buffer a new jamo commits as one code point, by the number
// of jamo held before it and how it arrives; 0 keeps it. The new jamo itself is the last of them
// when the count exceeds the held ones (a lone vowel).
//   [c]         + consonant: c goes alone.
//   [c, v]      + vowel: the syllable goes, and the vowel alone after it;
//               + ㄸ ㅃ ㅉ: the syllable goes; any other consonant stays as a final for now.
//   [c, v, f]   + vowel: f moves on to begin the next syllable;
//               + consonant: the syllable goes, unless the two make a compound final.
//   [c, v, f, g]+ vowel: g moves on; + consonant: the syllable goes with its compound final.
constexpr std::array<std::array<std::int8_t, kArrivalCount>, 5> kCommitCount{{
    // vowel, consonant, never final, final partner
    {1, 0, 0, 0},  // empty
    {0, 1, 1, 1},  // [c]
    {2, 0, 2, 0},  // [c, v]
    {2, 3, 3, 0},  // [c, v, f]
    {3, 4, 4, 4},  // [c, v, f, g]
}};

}  // namespace

std::int32_t TKeyboard::AddJamo(std::uint8_t code) {
    if (!jamo::IsJamo(code)) {
        return Composing;
    }
    Buffer[BufLen] = static_cast<std::int8_t>(code);
    Compose();
    ++BufLen;
    Composing = ComposingCode();
    return Composing;
}

void TKeyboard::Compose() {
    // A vowel that completes a compound vowel takes the place of the one before it; vowels only
    // meet like this in the shape [c, v].
    if (BufLen >= 1) {
        if (const int compound = jamo::CombineVowels(Buffer[BufLen - 1], Buffer[BufLen])) {
            Buffer[BufLen - 1] = static_cast<std::int8_t>(compound);
            Buffer[BufLen] = 0;
            --BufLen;
        }
    }
    // After each commit the new jamo is weighed again against what is left in front of it, until
    // it stays or has been committed itself.
    while (BufLen >= 0) {
        const int previous = BufLen > 0 ? Buffer[BufLen - 1] : 0;
        const int count = kCommitCount[BufLen][ArrivalOf(Buffer[BufLen], previous)];
        if (count == 0) {
            break;
        }
        Committed.push_back(CodeOfFirst(count));
        ShiftBuffer(count);
    }
}

void TKeyboard::ShiftBuffer(int count) {
    std::copy(Buffer.begin() + count, Buffer.end(), Buffer.begin());
    std::fill(Buffer.end() - count, Buffer.end(), 0);
    BufLen -= count;
}

std::int32_t TKeyboard::CodeOfFirst(int count) const {
    if (count <= 1) {
        return count == 0 ? 0 : jamo::LoneJamoCode(Buffer[0]);
    }
    const auto held = [&](int slot) { return slot < count ? Buffer[slot] : 0; };
    return jamo::SyllableCode(Buffer[0], Buffer[1], jamo::FinalIndex(held(2), held(3)));
}

void TKeyboard::AddChar(std::int32_t code) {
    FlushComposing();
    Committed.push_back(code);
}

std::int32_t TKeyboard::BackSpace() {
    if (BufLen > 0) {
        Buffer[--BufLen] = 0;
    } else if (!Committed.empty()) {
        Committed.pop_back();
    }
    Composing = ComposingCode();
    return Composing;
}

void TKeyboard::Clear() {
    Committed.clear();
    Buffer.fill(0);
    BufLen = 0;
    Composing = 0;
}

void TKeyboard::GetCodes(std::vector<std::int32_t>& out) const {
    out.assign(Committed.begin(), Committed.end());
    out.push_back(Composing);
}

void TKeyboard::FlushComposing() {
    if (BufLen > 0) {
        Committed.push_back(Composing);
    }
    Buffer.fill(0);
    BufLen = 0;
    Composing = 0;
}
