#include "keyboard/TextForms.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace {

constexpr std::int32_t kSpace = 32;

// The data a reader sees: everything before the first zero, or all of it.
template <typename Char>
std::basic_string_view<Char> BeforeZero(std::basic_string_view<Char> data) {
    return data.substr(0, data.find(Char{0}));
}

// Appends "&#" + digits + ";" per element, a space for 32 and nothing for 0. Digits writes the
// number's digits into a buffer of at least 11 characters and returns their end.
template <typename Digits>
std::string References(std::span<const std::int32_t> text, Digits digits) {
    std::string refs;
    refs.reserve(text.size() * 8);
    for (const std::int32_t v : text) {
        if (v == kSpace) {
            refs += ' ';
        } else if (v != 0) {
            std::array<char, 16> buffer{'&', '#'};
            char* end = digits(buffer.data() + 2, buffer.data() + buffer.size(), v);
            *end++ = ';';
            refs.append(buffer.data(), end);
        }
    }
    return refs;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The magnitude written by digits of the given base, all of body and at least one digit, or -1
// when body holds anything else or the magnitude exceeds limit.
std::int64_t Magnitude(std::string_view body, int base, std::int64_t limit) {
    if (body.empty()) {
        return -1;
    }
    std::int64_t value = 0;
    for (const char c : body) {
        const int digit = HexDigit(c);
        if (digit < 0 || digit >= base) {
            return -1;
        }
        value = value * base + digit;
        if (value > limit) {
            return -1;
        }
    }
    return value;
}

constexpr std::array<std::string_view, 5> kHexMarkers = {"0x", "0X", "x", "X", "$"};

}  // namespace

std::string EucKrBytes(std::span<const std::int32_t> text, const TUni2Euc& table) {
    std::string bytes(2 * text.size(), '\0');
    char* out = bytes.data();
    for (const std::int32_t x : text) {
        const auto v = static_cast<std::uint16_t>(table.UniToEuc(x));
        const auto high = static_cast<char>(v >> 8);
        const auto low = static_cast<char>(v & 0xFF);
        if (v == kSpace) {
            *out++ = ' ';
        } else if (high != 0) {
            *out++ = high;
            if (low != 0) {
                *out++ = low;
            }
        }
    }
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
    return bytes;
}

std::u16string Utf16Text(std::span<const std::int32_t> text) {
    std::u16string units;
    units.reserve(text.size());
    for (const std::int32_t x : text) {
        const auto unit = static_cast<char16_t>(x);
        if (unit == 0) {
            break;
        }
        units += unit;
    }
    return units;
}

std::string DecimalRefs(std::span<const std::int32_t> text) {
    return References(text, [](char* first, char* last, std::int32_t v) {
        return std::to_chars(first, last, v).ptr;
    });
}

std::string HexRefs(std::span<const std::int32_t> text) {
    return References(text, [](char* first, char* last, std::int32_t v) {
        *first++ = 'x';
        return std::to_chars(first, last, static_cast<std::uint32_t>(v), 16).ptr;
    });
}

std::string RefsFileBytes(std::string_view refs) {
    return refs.empty() ? std::string() : std::string(refs) + "\r\n";
}

void AppendUtf16Text(std::u16string_view data, std::vector<std::int32_t>& out) {
    const std::u16string_view text = BeforeZero(data);
    out.insert(out.end(), text.begin(), text.end());
}

void AppendEucKrText(std::string_view data, const TUni2Euc& table, std::vector<std::int32_t>& out) {
    const std::string_view bytes = BeforeZero(data);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    // Every element consumes at least one byte.
    const std::size_t first = out.size();
    out.resize(first + n);
    std::int32_t* dst = out.data() + first;
    std::size_t i = 0;
    // A space takes one byte, anything else a pair. A branch, not a select: the next start then
    // waits for no byte load, which outweighs the occasional misprediction.
    while (i + 1 < n) {
        if (p[i] == ' ') {
            *dst++ = kSpace;
            ++i;
        } else {
            *dst++ = table.EucToUni(static_cast<std::uint16_t>(p[i] << 8 | p[i + 1]));
            i += 2;
        }
    }
    // A last byte pairs with the terminator.
    if (i < n) {
        *dst++ = p[i] == ' ' ? kSpace : table.EucToUni(static_cast<std::uint16_t>(p[i] << 8));
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
}

void AppendRefsText(std::string_view data, std::vector<std::int32_t>& out) {
    ParseRefs(BeforeZero(data), out);
}

void ParseRefs(std::string_view source, std::vector<std::int32_t>& out) {
    constexpr std::string_view kOpen = "&#";
    // The text still to read is source from pos on; nothing is ever removed from its front. The
    // first "&#" at or after pos stays valid until a reference consumes it, so each byte is
    // searched once for "&#" and once for ';'.
    std::size_t pos = 0;
    std::size_t open = source.find(kOpen);
    while (pos < source.size()) {
        if (source[pos] == ' ') {
            out.push_back(kSpace);
            ++pos;
            continue;
        }
        if (open < pos) {
            open = source.find(kOpen, pos);
        }
        if (open == std::string_view::npos) {
            return;
        }
        const std::size_t semicolon = source.find(';', pos);
        if (semicolon == std::string_view::npos) {
            return;
        }
        if (semicolon > open) {
            const std::size_t body = open + kOpen.size();
            out.push_back(RefBodyValue(source.substr(body, semicolon - body)));
        }
        pos = semicolon + 1;
    }
}

std::int32_t RefBodyValue(std::string_view body) {
    body.remove_prefix(std::min(body.find_first_not_of(' '), body.size()));
    const bool negative = !body.empty() && body.front() == '-';
    if (!body.empty() && (body.front() == '-' || body.front() == '+')) {
        body.remove_prefix(1);
    }
    for (const std::string_view marker : kHexMarkers) {
        if (body.starts_with(marker)) {
            const std::int64_t pattern = Magnitude(body.substr(marker.size()), 16,
                                                   std::numeric_limits<std::uint32_t>::max());
            return pattern < 0 ? 0 : static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern));
        }
    }
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + negative;
    const std::int64_t magnitude = Magnitude(body, 10, limit);
    if (magnitude < 0) {
        return 0;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}
