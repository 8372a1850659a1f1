#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zelpa {

// Conversion between code page 932 byte strings and UTF-8 text (iconv "CP932").

// One character at the front of a code page 932 byte string.
struct TCp932Char {
    // Bytes it takes: 1 or 2.
    std::size_t length = 0;
    // Its UTF-8 form.
    std::string_view utf8;
    // Converting it back gives the same bytes (false for the duplicate codes that share a
    // character with a preferred code).
    bool exact = false;
};

// The character at the front of `bytes`, or std::nullopt when they do not start with a decodable
// character (empty input, an undefined code, or a lead byte without its second byte).
std::optional<TCp932Char> DecodeCp932Char(std::string_view bytes);

// For display: every decodable character as UTF-8, every other byte as U+FFFD.
std::string Cp932ToUtf8(std::string_view bytes);

// The code page 932 bytes of a UTF-8 text, or std::nullopt when it is not valid UTF-8 or holds a
// character that code page 932 lacks.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

}  // namespace zelpa
