#include "learning/Tango.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <system_error>
#include <unordered_set>

#include "learning/BinaryIo.h"
#include "learning/Random.h"
#include "platform/SafeFile.h"

namespace zelpa {
namespace {

constexpr std::int32_t kFormatWord = 1;
// Every written key lies in kKeyBase .. kKeyBase + kKeyRange - 1 and so fits in one byte.
constexpr std::int32_t kKeyRange = 240;
constexpr std::int32_t kKeyBase = 3;
// A word entry holds at least its three text lengths and its code-point count.
constexpr std::size_t kMinEntryBytes = 4 * 4;

// A masked flag stores 0 when set and 1 when clear.
constexpr std::int32_t kFlagSet = 0;
constexpr std::int32_t kFlagClear = 1;

std::uint8_t KeyByte(std::int32_t key) {
    return static_cast<std::uint8_t>(key & 0xFF);
}

// Reads the masked encodings of one key. Each read replaces its target only when it succeeds.
class TMaskedReader {
  public:
    TMaskedReader(TBinaryReader& reader, std::int32_t key) : reader_(reader), key_(key) {}

    bool Word(std::int32_t& value) {
        std::int32_t stored = 0;
        if (!reader_.Word(stored)) {
            return false;
        }
        value = stored ^ key_;
        return true;
    }
    bool Flag(bool& flag) {
        std::int32_t value = 0;
        if (!Word(value)) {
            return false;
        }
        flag = value == kFlagSet;
        return true;
    }
    // The text ends at its first zero byte.
    bool Text(std::string& text) {
        std::int32_t length = 0;
        std::string bytes;
        if (!Word(length) || !reader_.Bytes(CountOf(length), bytes)) {
            return false;
        }
        MaskBytes(bytes.data(), bytes.size(), KeyByte(key_));
        bytes.resize(std::strlen(bytes.c_str()));
        text = std::move(bytes);
        return true;
    }
    bool Words(std::int32_t storedCount, std::vector<std::int32_t>& values) {
        return reader_.Words(CountOf(storedCount), static_cast<std::uint32_t>(key_), values);
    }

  private:
    TBinaryReader& reader_;
    std::int32_t key_;
};

class TMaskedWriter {
  public:
    TMaskedWriter(TBinaryWriter& writer, std::int32_t key) : writer_(writer), key_(key) {}

    void Word(std::int32_t value) { writer_.Word(value ^ key_); }
    void Flag(bool flag) { Word(flag ? kFlagSet : kFlagClear); }
    void Text(std::string_view text) {
        Word(static_cast<std::int32_t>(text.size()));
        writer_.MaskedBytes(text, KeyByte(key_));
    }

  private:
    TBinaryWriter& writer_;
    std::int32_t key_;
};

bool ReadSentinel(TBinaryReader& reader, std::int32_t key) {
    std::int32_t sentinel = 0;
    return reader.Word(sentinel) && sentinel == key;
}

}  // namespace

void MaskBytes(char* buffer, std::size_t count, std::uint8_t keyByte) {
    for (std::size_t i = 0; i < count; ++i) {
        buffer[i] = static_cast<char>(static_cast<std::uint8_t>(buffer[i]) ^ keyByte);
    }
}

// TTango

bool TTango::ReadFrom(std::istream& in) {
    TBinaryReader reader(in);
    TMaskedReader masked(reader, Key);
    std::int32_t codeCount = 0;
    return masked.Text(Japan) && masked.Word(codeCount) && masked.Words(codeCount, Hangul) &&
           masked.Text(Setsumei) && masked.Text(Url);
}

void TTango::WriteTo(TBinaryWriter& writer) const {
    TMaskedWriter masked(writer, Key);
    masked.Text(Japan);
    masked.Word(static_cast<std::int32_t>(Hangul.size()));
    for (const std::int32_t code : Hangul) {
        masked.Word(code);
    }
    masked.Text(Setsumei);
    masked.Text(Url);
}

void TTango::WriteTo(std::ostream& out) const {
    TBinaryWriter writer(out);
    WriteTo(writer);
}

void TTango::Assign(const TTango& source) {
    Japan = source.Japan;
    Hangul = source.Hangul;
    Setsumei = source.Setsumei;
    Url = source.Url;
}

bool TTango::SameWord(const TTango& other) const {
    return Japan == other.Japan && Setsumei == other.Setsumei && Url == other.Url &&
           Hangul == other.Hangul;
}

// TTangoList

TTangoList::TTangoList() = default;

TReadOutcome TTangoList::LoadFromFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return TReadOutcome::NoFile;
    }
    if (error) {
        throw std::system_error(error, "cannot open " + path.string());
    }
    // Only a regular file can be a material: a device or a pipe could feed the reader forever.
    if (!std::filesystem::is_regular_file(status)) {
        const std::errc code = std::filesystem::is_directory(status) ? std::errc::is_a_directory
                                                                     : std::errc::invalid_argument;
        throw std::system_error(std::make_error_code(code), "cannot open " + path.string());
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int code = errno != 0 ? errno : EIO;
        throw std::system_error(code, std::generic_category(), "cannot open " + path.string());
    }
    ClearWords();
    return ReadFrom(in);
}

void TTangoList::SaveToFile(const std::filesystem::path& path) {
    TSafeFileWriter file(path);
    WriteTo(file.Stream());
    file.Commit();
}

TReadOutcome TTangoList::ReadFrom(std::istream& in) {
    if (!ReadHeader(in)) {
        return TReadOutcome::DamagedHeader;
    }
    const TReadOutcome outcome = ReadWordsAndHistories(in);
    if (outcome != TReadOutcome::Complete) {
        ClearWords();
    }
    return outcome;
}

bool TTangoList::ReadHeader(std::istream& in) {
    TBinaryReader reader(in);
    std::int32_t formatWord = 0;
    if (!reader.Word(formatWord) || !reader.Word(reserved_.word1) || !reader.Word(Key)) {
        return false;
    }
    TMaskedReader masked(reader, Key);
    return masked.Text(HeadText1) && masked.Text(reserved_.text1) && masked.Text(Title) &&
           masked.Text(HeadText3) && masked.Flag(reserved_.flag1) && masked.Word(reserved_.word2) &&
           masked.Flag(reserved_.flag2) && masked.Word(reserved_.word3) &&
           masked.Flag(reserved_.flag3) && masked.Text(reserved_.text2) &&
           masked.Word(reserved_.word4) && ReadSentinel(reader, Key);
}

TReadOutcome TTangoList::ReadWordsAndHistories(std::istream& in) {
    TBinaryReader reader(in);
    TMaskedReader masked(reader, Key);
    std::int32_t wordCount = 0;
    if (!masked.Word(wordCount)) {
        return TReadOutcome::DamagedWords;
    }
    if (!reader.MayHold(CountOf(wordCount) * kMinEntryBytes)) {
        return TReadOutcome::DamagedWords;
    }
    for (std::size_t i = 0; i < CountOf(wordCount); ++i) {
        auto word = std::make_unique<TTango>();
        word->Key = Key;
        if (!word->ReadFrom(in)) {
            return TReadOutcome::DamagedWords;
        }
        words_.push_back(std::move(word));
    }
    if (!ReadSentinel(reader, Key)) {
        return TReadOutcome::DamagedWords;
    }
    if (!RirekiJ2K.ReadFrom(in) || !RirekiK2J.ReadFrom(in) || !ReadSentinel(reader, Key)) {
        return TReadOutcome::DamagedHistories;
    }
    return TReadOutcome::Complete;
}

void TTangoList::WriteTo(std::ostream& out) {
    RemoveEmptyWords();
    TBinaryWriter writer(out);
    writer.Word(kFormatWord);
    writer.Word(reserved_.word1);
    Key = RandomBelow(kKeyRange) + kKeyBase;
    writer.Word(Key);
    TMaskedWriter masked(writer, Key);
    masked.Text(HeadText1);
    masked.Text(reserved_.text1);
    masked.Text(Title);
    masked.Text(HeadText3);
    masked.Flag(reserved_.flag1);
    masked.Word(reserved_.word2);
    masked.Flag(reserved_.flag2);
    masked.Word(reserved_.word3);
    masked.Flag(reserved_.flag3);
    masked.Text(reserved_.text2);
    masked.Word(reserved_.word4);
    writer.Word(Key);
    masked.Word(Count());
    for (const auto& word : words_) {
        word->Key = Key;
        word->WriteTo(writer);
    }
    writer.Word(Key);
    RirekiJ2K.WriteTo(writer);
    RirekiK2J.WriteTo(writer);
    writer.Word(Key);
}

void TTangoList::ClearWords() {
    words_.clear();
}

TTango& TTangoList::AddNewWord() {
    return *words_.emplace_back(std::make_unique<TTango>());
}

std::int32_t TTangoList::AddWordCopy(const TTango& word) {
    AddNewWord().Assign(word);
    return 0;
}

bool TTangoList::ContainsWord(const TTango& word) const {
    return std::any_of(words_.begin(), words_.end(),
                       [&word](const auto& stored) { return stored->SameWord(word); });
}

std::int32_t TTangoList::FindByJapan(std::string_view japan, std::vector<TTango*>& found) {
    std::int32_t count = 0;
    for (const auto& word : words_) {
        if (word->Japan == japan) {
            found.push_back(word.get());
            ++count;
        }
    }
    return count;
}

std::int32_t TTangoList::FindByHangul(std::span<const std::int32_t> hangul,
                                      std::vector<TTango*>& found) {
    std::int32_t count = 0;
    for (const auto& word : words_) {
        if (std::equal(word->Hangul.begin(), word->Hangul.end(), hangul.begin(), hangul.end())) {
            found.push_back(word.get());
            ++count;
        }
    }
    return count;
}

void TTangoList::RemoveEmptyWords() {
    std::erase_if(words_,
                  [](const auto& word) { return word->Hangul.empty() && word->Japan.empty(); });
}

TTango* TTangoList::Objects(std::int32_t index) const {
    return index >= 0 && index < Count() ? words_[static_cast<std::size_t>(index)].get() : nullptr;
}

std::int32_t TTangoList::IndexOfObject(const TTango* word) const {
    const auto found = std::find_if(words_.begin(), words_.end(),
                                    [word](const auto& stored) { return stored.get() == word; });
    return found == words_.end() ? -1 : static_cast<std::int32_t>(found - words_.begin());
}

namespace {

struct TWordHash {
    std::size_t operator()(const TTango* word) const {
        const std::hash<std::string_view> hashText;
        const std::string_view hangul(reinterpret_cast<const char*>(word->Hangul.data()),
                                      word->Hangul.size() * sizeof(std::int32_t));
        std::size_t hash = hashText(word->Japan);
        for (const std::string_view part :
             {hangul, std::string_view(word->Setsumei), std::string_view(word->Url)}) {
            hash = hash * 1000003 ^ hashText(part);
        }
        return hash;
    }
};

struct TWordEqual {
    bool operator()(const TTango* a, const TTango* b) const { return a->SameWord(*b); }
};

}  // namespace

std::size_t AddMissingWords(TTangoList& material, std::span<const TTango> words) {
    std::unordered_set<const TTango*, TWordHash, TWordEqual> known;
    for (std::int32_t i = 0; i < material.Count(); ++i) {
        known.insert(material.Objects(i));
    }
    std::size_t added = 0;
    for (const TTango& word : words) {
        if (!known.contains(&word)) {
            material.AddWordCopy(word);
            known.insert(material.Objects(material.Count() - 1));
            ++added;
        }
    }
    return added;
}

}  // namespace zelpa
