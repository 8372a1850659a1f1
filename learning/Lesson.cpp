#include "learning/Lesson.h"

#include <array>
#include <span>

namespace zelpa {
namespace {

constexpr std::string_view kHead1Marker = "$001";
constexpr std::string_view kTitleMarker = "$002";
constexpr std::string_view kHead3Marker = "$003";
constexpr std::string_view kJapanMarker = "$100";
constexpr std::string_view kHangulMarker = "$101";
constexpr std::string_view kSetsumeiMarker = "$102";
constexpr std::string_view kUrlMarker = "$103";
constexpr std::string_view kShowOnlyLine = "1";

constexpr int kAlphabetSize = 62;
// A byte b is written as the group of b + kByteOffset; reading reduces modulo 256.
constexpr int kByteOffset = 127;
constexpr std::size_t kByteDigits = 2;
constexpr std::size_t kCodeDigits = 3;

constexpr int kOk = 0;

// Alphabet index of each character, -1 for characters outside it.
constexpr std::array<int, 256> kLetterIndex = [] {
    std::array<int, 256> index{};
    index.fill(-1);
    for (std::size_t i = 0; i < kLessonAlphabet.size(); ++i) {
        index[static_cast<unsigned char>(kLessonAlphabet[i])] = static_cast<int>(i);
    }
    return index;
}();

// The content of a block, followed by its closing marker, decoded group by group from the front.
class TBlockContent {
  public:
    TBlockContent(std::string text, std::string_view marker)
        : text_(std::move(text)), marker_(marker) {}

    bool AtEnd() const { return std::string_view(text_).substr(next_) == marker_; }

    // The value of the next group of `digits` decimal digits and one letter: n × 62 + i.
    int NextGroup(std::size_t digits, int& value) {
        int number = 0;
        for (std::size_t i = 0; i < digits; ++i) {
            const std::size_t at = next_ + i;
            if (at >= text_.size() || text_[at] < '0' || text_[at] > '9') {
                return kLessonBadNumber;
            }
            number = number * 10 + (text_[at] - '0');
        }
        const std::size_t at = next_ + digits;
        const int letter =
            at < text_.size() ? kLetterIndex[static_cast<unsigned char>(text_[at])] : -1;
        if (letter < 0) {
            return kLessonBadLetter;
        }
        value = number * kAlphabetSize + letter;
        next_ = at + 1;
        return kOk;
    }

  private:
    std::string text_;
    std::string_view marker_;
    std::size_t next_ = 0;
};

// Collects the block whose opening marker is the first line; the closing marker line stays first.
// Fails with `endsEarly` when the lines run out before the closing marker.
int CollectBlock(TTextLines& lines, std::string_view marker, int endsEarly, std::string& content) {
    content.clear();
    for (;;) {
        lines.pop_front();
        if (lines.empty()) {
            return endsEarly;
        }
        content += lines.front();
        if (lines.front() == marker) {
            return kOk;
        }
    }
}

// Collects the block after `marker`, then empties `out` and hands each group of `digits` digits to
// `take`, in order. A block that cannot be collected leaves `out` as it was.
template <class Out, class Take>
int ReadGroups(TTextLines& lines, std::string_view marker, int endsEarly, int digits, Out& out,
               Take take) {
    std::string content;
    if (const int result = CollectBlock(lines, marker, endsEarly, content); result != kOk) {
        return result;
    }
    out.clear();
    TBlockContent block(std::move(content), marker);
    while (!block.AtEnd()) {
        int value = 0;
        if (const int result = block.NextGroup(digits, value); result != kOk) {
            return result;
        }
        take(value);
    }
    return kOk;
}

int ReadTextBlock(TTextLines& lines, std::string_view marker, int endsEarly, std::string& text) {
    return ReadGroups(lines, marker, endsEarly, kByteDigits, text, [&text](int value) {
        const auto byte = static_cast<char>((value - kByteOffset) & 0xFF);
        if (byte != '\0') {
            text += byte;
        }
    });
}

int ReadCodeBlock(TTextLines& lines, std::string_view marker, int endsEarly,
                  std::vector<std::int32_t>& codes) {
    return ReadGroups(lines, marker, endsEarly, kCodeDigits, codes,
                      [&codes](int value) { codes.push_back(value); });
}

// Leaves the closing marker line of one block and checks that the next block opens right there.
int PassTo(TTextLines& lines, std::string_view marker) {
    lines.pop_front();
    return !lines.empty() && lines.front() == marker ? kOk : kLessonNoBlock;
}

// Each step of a reader, stopping at the first failure.
template <typename... Steps>
int RunSteps(Steps&&... steps) {
    int result = kOk;
    ((result = result == kOk ? steps() : result), ...);
    return result;
}

// Writes groups of `digits` decimal digits and one letter, wrapped into block lines.
class TBlockWriter {
  public:
    explicit TBlockWriter(std::string& out) : out_(out) {}

    void Block(std::string_view marker, std::string_view content) {
        Line(marker);
        for (std::size_t at = 0; at < content.size(); at += kLessonLineWidth) {
            Line(content.substr(at, kLessonLineWidth));
        }
        Line(marker);
    }
    void Line(std::string_view line) {
        out_ += line;
        out_ += '\n';
    }

  private:
    std::string& out_;
};

void AppendGroup(std::string& content, int value, std::size_t digits) {
    const int number = value / kAlphabetSize;
    std::string decimal = std::to_string(number);
    content.append(digits - decimal.size(), '0');
    content += decimal;
    content += kLessonAlphabet[static_cast<std::size_t>(value % kAlphabetSize)];
}

std::string EncodeBytes(std::string_view bytes) {
    std::string content;
    for (const char byte : bytes) {
        AppendGroup(content, static_cast<unsigned char>(byte) + kByteOffset, kByteDigits);
    }
    return content;
}

}  // namespace

std::int32_t TTangoList::ParseLessonHeader(TTextLines& lines) {
    while (!lines.empty() && lines.front() != kHead1Marker) {
        lines.pop_front();
    }
    if (lines.empty()) {
        return kLessonNoBlock;
    }
    const int result =
        RunSteps([&] { return ReadTextBlock(lines, kHead1Marker, kLessonBadNumber, HeadText1); },
                 [&] { return PassTo(lines, kTitleMarker); },
                 [&] { return ReadTextBlock(lines, kTitleMarker, kLessonEndsEarly, Title); },
                 [&] { return PassTo(lines, kHead3Marker); },
                 [&] { return ReadTextBlock(lines, kHead3Marker, kLessonEndsEarly, HeadText3); });
    if (result == kOk) {
        lines.pop_front();
    }
    return result;
}

std::int32_t TTango::ParseLessonCode(TTextLines& lines) {
    if (lines.empty() || lines.front() != kJapanMarker) {
        return kLessonNoBlock;
    }
    const int result =
        RunSteps([&] { return ReadTextBlock(lines, kJapanMarker, kLessonEndsEarly, Japan); },
                 [&] { return PassTo(lines, kHangulMarker); },
                 [&] { return ReadCodeBlock(lines, kHangulMarker, kLessonEndsEarly, Hangul); },
                 [&] { return PassTo(lines, kSetsumeiMarker); },
                 [&] { return ReadTextBlock(lines, kSetsumeiMarker, kLessonEndsEarly, Setsumei); },
                 [&] { return PassTo(lines, kUrlMarker); },
                 [&] { return ReadTextBlock(lines, kUrlMarker, kLessonEndsEarly, Url); });
    if (result != kOk) {
        return result;
    }
    lines.pop_front();
    if (lines.empty()) {
        return kLessonEndsEarly;
    }
    ShowOnly = lines.front() == kShowOnlyLine;
    lines.pop_front();
    return kOk;
}

std::optional<std::string> WriteLessonCode(const TLessonHeader& header, const TTango& word) {
    std::string hangul;
    for (const std::int32_t code : word.Hangul) {
        if (code < 0 || code > kLargestLessonCode) {
            return std::nullopt;
        }
        AppendGroup(hangul, code, kCodeDigits);
    }
    std::string out;
    TBlockWriter writer(out);
    writer.Block(kHead1Marker, EncodeBytes(header.HeadText1));
    writer.Block(kTitleMarker, EncodeBytes(header.Title));
    writer.Block(kHead3Marker, EncodeBytes(header.HeadText3));
    writer.Block(kJapanMarker, EncodeBytes(word.Japan));
    writer.Block(kHangulMarker, hangul);
    writer.Block(kSetsumeiMarker, EncodeBytes(word.Setsumei));
    writer.Block(kUrlMarker, EncodeBytes(word.Url));
    writer.Line(word.ShowOnly ? kShowOnlyLine : "0");
    return out;
}

}  // namespace zelpa
