#include "learning/Utf8.h"

namespace zelpa {
namespace {

constexpr char32_t kLargest = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;

// Sequence length by lead byte, and the smallest value each length may encode.
struct TSequence {
    std::size_t length;
    unsigned char valueBits;
    char32_t smallest;
};

std::optional<TSequence> SequenceOf(unsigned char lead) {
    if (lead < 0x80) {
        return TSequence{1, 0x7F, 0};
    }
    if ((lead & 0xE0) == 0xC0) {
        return TSequence{2, 0x1F, 0x80};
    }
    if ((lead & 0xF0) == 0xE0) {
        return TSequence{3, 0x0F, 0x800};
    }
    if ((lead & 0xF8) == 0xF0) {
        return TSequence{4, 0x07, 0x10000};
    }
    return std::nullopt;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t character) {
    const auto put = [&out](char32_t bits) { out += static_cast<char>(bits); };
    if (character < 0x80) {
        put(character);
    } else if (character < 0x800) {
        put(0xC0 | character >> 6);
        put(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        put(0xE0 | character >> 12);
        put(0x80 | (character >> 6 & 0x3F));
        put(0x80 | (character & 0x3F));
    } else {
        put(0xF0 | character >> 18);
        put(0x80 | (character >> 12 & 0x3F));
        put(0x80 | (character >> 6 & 0x3F));
        put(0x80 | (character & 0x3F));
    }
}

std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& position) {
    if (position >= text.size()) {
        return std::nullopt;
    }
    const auto sequence = SequenceOf(static_cast<unsigned char>(text[position]));
    if (!sequence || text.size() - position < sequence->length) {
        return std::nullopt;
    }
    char32_t value = static_cast<unsigned char>(text[position]) & sequence->valueBits;
    for (std::size_t i = 1; i < sequence->length; ++i) {
        const auto byte = static_cast<unsigned char>(text[position + i]);
        if ((byte & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = value << 6 | (byte & 0x3F);
    }
    if (value < sequence->smallest || value > kLargest ||
        (value >= kSurrogateFirst && value <= kSurrogateLast)) {
        return std::nullopt;
    }
    position += sequence->length;
    return value;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size()) {
        if (!NextUtf8(text, position)) {
            return false;
        }
    }
    return true;
}

}  // namespace zelpa
