#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "learning/Rireki.h"
#include "learning/TextLines.h"

namespace zelpa {

class TBinaryWriter;

// XORs each of `count` bytes with `keyByte`; the same call masks and unmasks.
void MaskBytes(char* buffer, std::size_t count, std::uint8_t keyByte);

// One vocabulary entry.
class TTango {
  public:
    // Japanese meaning, code page 932 bytes.
    std::string Japan;
    // The Korean word, one UTF-16 code unit per element.
    std::vector<std::int32_t> Hangul;
    // Explanation and link text, code page 932 bytes.
    std::string Setsumei;
    std::string Url;
    // Set only by a lesson code; never stored in a file.
    bool ShowOnly = false;
    // The mask key in force for reading and writing.
    std::int32_t Key = 0;

    // Reads one entry masked with `Key`, appending to `Hangul`; false when the data ends early
    // (the entry then holds what it read so far).
    bool ReadFrom(std::istream& in);
    void WriteTo(std::ostream& out) const;
    void WriteTo(TBinaryWriter& writer) const;
    // Copies the four texts; `ShowOnly` and `Key` stay.
    void Assign(const TTango& source);
    // Reads the word of a lesson code from the front of `lines`: 0, or -1 to -4 on failure.
    std::int32_t ParseLessonCode(TTextLines& lines);
    // Same four texts, byte for byte and element for element.
    bool SameWord(const TTango& other) const;
};

// How far reading a material got. A damaged material keeps what the read had reached: the header
// read so far and no words (`DamagedHeader`), the header only (`DamagedWords`), or the header and
// the histories that were read whole (`DamagedHistories`).
enum class TReadOutcome { Complete, NoFile, DamagedHeader, DamagedWords, DamagedHistories };

// A teaching material: header texts, words and the two quiz histories.
class TTangoList {
  public:
    TTangoList();
    TTangoList(const TTangoList&) = delete;
    TTangoList& operator=(const TTangoList&) = delete;

    std::int32_t Key = 0;
    std::string HeadText1;
    std::string Title;
    std::string HeadText3;
    TRirekiList RirekiJ2K;
    TRirekiList RirekiK2J;

    // When a file exists at `path`: clears the words and reads it. When none exists the material
    // stays exactly as it was. A file that exists but cannot be read throws std::system_error.
    TReadOutcome LoadFromFile(const std::filesystem::path& path);
    // Writes a temporary file beside `path` and renames it over `path`, so that a failed save
    // leaves the previous file intact; a failure throws std::system_error. The key is drawn only
    // once the temporary file exists.
    void SaveToFile(const std::filesystem::path& path);
    // Reads a material without clearing the words first.
    TReadOutcome ReadFrom(std::istream& in);
    // Drops empty words, draws a new key and writes the material.
    void WriteTo(std::ostream& out);

    void ClearWords();
    TTango& AddNewWord();
    std::int32_t AddWordCopy(const TTango& word);
    bool ContainsWord(const TTango& word) const;
    // Append every word with that Japanese / Korean to `found`, in material order; return how
    // many were appended.
    std::int32_t FindByJapan(std::string_view japan, std::vector<TTango*>& found);
    std::int32_t FindByHangul(std::span<const std::int32_t> hangul, std::vector<TTango*>& found);
    // Drops every word whose Korean and Japanese are both empty.
    void RemoveEmptyWords();

    std::int32_t Count() const { return static_cast<std::int32_t>(words_.size()); }
    // The word at a 0-based index, borrowed, or nullptr when the index names no word (as a
    // history index may after empty words were dropped).
    TTango* Objects(std::int32_t index) const;
    // The index of a word by identity, or -1.
    std::int32_t IndexOfObject(const TTango* word) const;

    // Reads the header of a lesson code from the front of `lines`: 0, or -1 to -4 on failure.
    std::int32_t ParseLessonHeader(TTextLines& lines);

  private:
    // Values that nothing interprets, kept from the file and written back unchanged.
    struct TReserved {
        std::int32_t word1 = 0;
        std::string text1;
        bool flag1 = false;
        std::int32_t word2 = 0;
        bool flag2 = false;
        std::int32_t word3 = 0;
        bool flag3 = false;
        std::string text2;
        std::int32_t word4 = 0;
    };

    bool ReadHeader(std::istream& in);
    TReadOutcome ReadWordsAndHistories(std::istream& in);

    std::vector<std::unique_ptr<TTango>> words_;
    TReserved reserved_;
};

// Appends each of `words` that the material does not contain yet (as `ContainsWord` judges, the
// words appended before included), in time linear in both; returns how many were appended.
std::size_t AddMissingWords(TTangoList& material, std::span<const TTango> words);

}  // namespace zelpa
