#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The Hangul composer: turns a stream of jamo codes (see keyboard/Jamo.h) into text of precomposed
// syllables, lone (conjoining) jamo and other characters. The text is the committed code points
// followed by the syllable still being composed from the jamo held in a small buffer.
class TKeyboard {
  public:
    // Feeds one jamo; returns the code point now being composed (0 when none). A code that is not
    // one of the 40 jamo codes is ignored.
    std::int32_t AddJamo(std::uint8_t code);
    // Commits the syllable being composed, then the character.
    void AddChar(std::int32_t code);
    // Removes the last jamo held (a compound vowel is one jamo), or when none is held the last
    // committed code point; returns the code point now being composed.
    std::int32_t BackSpace();
    void Clear();
    // The whole text: the committed code points, then the one being composed or 0.
    void GetCodes(std::vector<std::int32_t>& out) const;
    // Commits the syllable being composed as it stands.
    void FlushComposing();

    // May be written directly while nothing is being composed (after Clear or FlushComposing).
    std::vector<std::int32_t> Committed;

  private:
    // One step on the jamo just placed behind the held ones: merges a compound vowel, commits
    // whatever the new jamo completes and leaves the rest held.
    void Compose();
    // Drops the first count jamo of the buffer, the new one behind the held ones included.
    void ShiftBuffer(int count);
    // The code point of the first count jamo of the buffer.
    std::int32_t CodeOfFirst(int count) const;
    std::int32_t ComposingCode() const { return CodeOfFirst(BufLen); }

    // The held jamo, plus one slot for the jamo being examined; unused slots are 0.
    std::array<std::int8_t, 5> Buffer{};
    std::int32_t Composing = 0;
    // Number of jamo held; the slot being examined is not counted while Compose runs.
    std::int32_t BufLen = 0;
};
