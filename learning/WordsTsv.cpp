#include "learning/WordsTsv.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "learning/Utf8.h"
#include "platform/Cp932.h"

namespace zelpa {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kFieldCount = 4;
constexpr std::size_t kLargestHexDigits = 8;
constexpr char kHexDigits[] = "0123456789abcdef";

// The characters that every field writes as a backslash and a letter.
struct TEscape {
    char character;
    char letter;
};
constexpr std::array<TEscape, 4> kEscapes = {{{'\\', '\\'}, {'\t', 't'}, {'\n', 'n'}, {'\r', 'r'}}};

std::optional<char> EscapeLetterOf(char32_t character) {
    for (const TEscape& escape : kEscapes) {
        if (static_cast<char32_t>(static_cast<unsigned char>(escape.character)) == character) {
            return escape.letter;
        }
    }
    return std::nullopt;
}

std::optional<char> CharacterOfEscape(char letter) {
    for (const TEscape& escape : kEscapes) {
        if (escape.letter == letter) {
            return escape.character;
        }
    }
    return std::nullopt;
}

bool IsHighSurrogate(std::int32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(std::int32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendCharacter(std::string& out, char32_t character) {
    if (const auto letter = EscapeLetterOf(character)) {
        out += '\\';
        out += *letter;
    } else {
        AppendUtf8(out, character);
    }
}

void AppendHexByte(std::string& out, unsigned char byte) {
    out += "\\x";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

// Reads one field's escapes and text; each returns an error message or std::nullopt.
class TFieldReader {
  public:
    explicit TFieldReader(std::string_view field) : field_(field) {}

    std::optional<std::string> ReadHangul(std::vector<std::int32_t>& hangul) {
        while (position_ < field_.size()) {
            if (field_[position_] != '\\') {
                std::size_t next = position_;
                const char32_t character = *NextUtf8(field_, next);  // the line is valid UTF-8
                position_ = next;
                if (const auto error = CheckRaw(character)) {
                    return error;
                }
                AppendUtf16(hangul, character);
                continue;
            }
            ++position_;
            if (Peek() == 'u') {
                std::uint32_t element = 0;
                if (!ReadBracedHex(element)) {
                    return "bad \\u{X} escape in the Korean";
                }
                hangul.push_back(static_cast<std::int32_t>(element));
            } else if (const auto character = ReadEscapeLetter()) {
                hangul.push_back(static_cast<unsigned char>(*character));
            } else {
                return "unknown escape in the Korean";
            }
        }
        return std::nullopt;
    }

    std::optional<std::string> ReadBytes(std::string& bytes, std::string_view name) {
        std::string pendingText;
        const auto flushText = [&]() -> std::optional<std::string> {
            const auto converted = Utf8ToCp932(pendingText);
            if (!converted) {
                return "a character of the " + std::string(name) + " is not in code page 932";
            }
            bytes += *converted;
            pendingText.clear();
            return std::nullopt;
        };
        while (position_ < field_.size()) {
            if (field_[position_] != '\\') {
                std::size_t next = position_;
                const char32_t character = *NextUtf8(field_, next);
                if (const auto error = CheckRaw(character)) {
                    return error;
                }
                pendingText.append(field_.substr(position_, next - position_));
                position_ = next;
                continue;
            }
            if (const auto error = flushText()) {
                return error;
            }
            ++position_;
            std::uint32_t byte = 0;
            if (Peek() == 'x') {
                ++position_;
                if (!ReadHex(2, 2, byte)) {
                    return "bad \\xHH escape in the " + std::string(name);
                }
                bytes += static_cast<char>(byte);
            } else if (const auto character = ReadEscapeLetter()) {
                bytes += *character;
            } else {
                return "unknown escape in the " + std::string(name);
            }
        }
        if (const auto error = flushText()) {
            return error;
        }
        if (bytes.find('\0') != std::string::npos) {
            return "the " + std::string(name) + " holds a zero byte";
        }
        return std::nullopt;
    }

  private:
    char Peek() const { return position_ < field_.size() ? field_[position_] : '\0'; }

    static std::optional<std::string> CheckRaw(char32_t character) {
        if (character == '\r') {
            return "carriage return inside a line (write \\r)";
        }
        return std::nullopt;
    }

    static void AppendUtf16(std::vector<std::int32_t>& hangul, char32_t character) {
        if (character < 0x10000) {
            hangul.push_back(static_cast<std::int32_t>(character));
            return;
        }
        const char32_t offset = character - 0x10000;
        hangul.push_back(static_cast<std::int32_t>(0xD800 + (offset >> 10)));
        hangul.push_back(static_cast<std::int32_t>(0xDC00 + (offset & 0x3FF)));
    }

    std::optional<char> ReadEscapeLetter() {
        const auto character = CharacterOfEscape(Peek());
        if (character) {
            ++position_;
        }
        return character;
    }

    // `u{X}` with 1 to 8 hex digits.
    bool ReadBracedHex(std::uint32_t& value) {
        if (field_.substr(position_, 2) != "u{") {
            return false;
        }
        position_ += 2;
        if (!ReadHex(1, kLargestHexDigits, value) || Peek() != '}') {
            return false;
        }
        ++position_;
        return true;
    }

    bool ReadHex(std::size_t fewest, std::size_t most, std::uint32_t& value) {
        const std::size_t end = field_.find_first_not_of("0123456789abcdefABCDEF", position_);
        const std::size_t count = std::min(std::min(end, field_.size()) - position_, most);
        if (count < fewest) {
            return false;
        }
        std::from_chars(field_.data() + position_, field_.data() + position_ + count, value, 16);
        position_ += count;
        return true;
    }

    std::string_view field_;
    std::size_t position_ = 0;
};

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(tab + 1);
    }
}

std::optional<std::string> ReadWordLine(std::string_view line, TTango& word) {
    if (!IsValidUtf8(line)) {
        return "not valid UTF-8";
    }
    const auto fields = SplitFields(line);
    if (fields.size() != kFieldCount) {
        return "expected " + std::to_string(kFieldCount) + " tab-separated fields, found " +
               std::to_string(fields.size());
    }
    if (auto error = TFieldReader(fields[0]).ReadHangul(word.Hangul)) {
        return error;
    }
    if (auto error = TFieldReader(fields[1]).ReadBytes(word.Japan, "japanese")) {
        return error;
    }
    if (auto error = TFieldReader(fields[2]).ReadBytes(word.Setsumei, "explanation")) {
        return error;
    }
    return TFieldReader(fields[3]).ReadBytes(word.Url, "link");
}

}  // namespace

std::string EscapeHangul(std::span<const std::int32_t> hangul) {
    std::string out;
    for (std::size_t i = 0; i < hangul.size(); ++i) {
        const std::int32_t unit = hangul[i];
        if (IsHighSurrogate(unit) && i + 1 < hangul.size() && IsLowSurrogate(hangul[i + 1])) {
            const auto high = static_cast<char32_t>(unit - 0xD800);
            const auto low = static_cast<char32_t>(hangul[i + 1] - 0xDC00);
            AppendUtf8(out, 0x10000 + (high << 10 | low));
            ++i;
        } else if (unit >= 1 && unit <= 0xFFFF && !IsHighSurrogate(unit) && !IsLowSurrogate(unit)) {
            AppendCharacter(out, static_cast<char32_t>(unit));
        } else {
            out += "\\u{";
            char digits[kLargestHexDigits];
            const auto end =
                std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(unit), 16);
            out.append(digits, end.ptr);
            out += '}';
        }
    }
    return out;
}

std::string EscapeBytes(std::string_view bytes) {
    std::string out;
    while (!bytes.empty()) {
        const auto character = DecodeCp932Char(bytes);
        // A character that does not convert back to its bytes is written byte by byte; a zero
        // byte too, so that no line holds a raw NUL.
        const std::size_t length = character ? character->length : 1;
        if (!character || !character->exact || bytes[0] == '\0') {
            for (std::size_t i = 0; i < length; ++i) {
                AppendHexByte(out, static_cast<unsigned char>(bytes[i]));
            }
        } else if (const auto letter = length == 1
                                           ? EscapeLetterOf(static_cast<unsigned char>(bytes[0]))
                                           : std::nullopt) {
            out += '\\';
            out += *letter;
        } else {
            out += character->utf8;
        }
        bytes.remove_prefix(length);
    }
    return out;
}

std::string WordToTsvLine(const TTango& word) {
    return EscapeHangul(word.Hangul) + '\t' + EscapeBytes(word.Japan) + '\t' +
           EscapeBytes(word.Setsumei) + '\t' + EscapeBytes(word.Url);
}

void WriteWordsTsv(std::ostream& out, const TTangoList& material) {
    std::string text(kWordsTsvHeader);
    text += '\n';
    for (std::int32_t i = 0; i < material.Count(); ++i) {
        text += WordToTsvLine(*material.Objects(i));
        text += '\n';
    }
    out << text;
}

std::optional<TTsvError> ReadWordsTsv(std::string_view text, std::vector<TTango>& words) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (end != std::string_view::npos && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (lineNumber == 1) {
            if (line != kWordsTsvHeader) {
                return TTsvError{lineNumber,
                                 "expected the header line \"korean<TAB>japanese<TAB>"
                                 "explanation<TAB>link\""};
            }
            continue;
        }
        TTango word;
        if (auto error = ReadWordLine(line, word)) {
            return TTsvError{lineNumber, std::move(*error)};
        }
        words.push_back(std::move(word));
    }
    if (lineNumber == 0) {
        return TTsvError{1, "empty text: expected the header line"};
    }
    return std::nullopt;
}

}  // namespace zelpa
