#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "learning/Tango.h"

namespace zelpa {

// The tab-separated text form of words, UTF-8, that ktgtool exports and imports. In every field
// `\` is written `\\`, tab `\t`, line feed `\n` and carriage return `\r`; a Korean element that is
// not valid UTF-16 is written `\u{X}` and a byte that is not part of a code page 932 character
// that converts both ways is written `\xHH`, so that reading gives back every word exactly.

inline constexpr std::string_view kWordsTsvHeader = "korean\tjapanese\texplanation\tlink";

// The Korean field of a word.
std::string EscapeHangul(std::span<const std::int32_t> hangul);
// A code page 932 byte string as a field.
std::string EscapeBytes(std::string_view bytes);
// One word as a line, without its line end.
std::string WordToTsvLine(const TTango& word);
// The header line and one line per word, each ended by LF.
void WriteWordsTsv(std::ostream& out, const TTangoList& material);

struct TTsvError {
    std::size_t line = 0;  // 1-based
    std::string message;
};

// Reads the words of a TSV text into `words`; the first error stops the reading. Accepts a UTF-8
// byte order mark and CR LF line ends. A byte string may not hold a zero byte: a material's texts
// end at their first zero byte when read back.
std::optional<TTsvError> ReadWordsTsv(std::string_view text, std::vector<TTango>& words);

}  // namespace zelpa
