#include "keyboard/TextForms.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// EUC-KR text is read in blocks of this many bytes.
constexpr std::size_t kBlock = 64;

// Bit k tells whether p[k] is a space, for the kBlock bytes from p.
std::uint64_t SpaceBits(const unsigned char* p) {
    std::uint64_t bits = 0;
#if defined(__SSE2__)
    const __m128i spaces = _mm_set1_epi8(' ');
    for (std::size_t k = 0; k < kBlock; k += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k));
        const auto mask =
            static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, spaces)));
        bits |= std::uint64_t{mask} << k;
    }
#else
    for (std::size_t k = 0; k < kBlock; ++k) {
        bits |= std::uint64_t{p[k] == ' '} << k;
    }
#endif
    return bits;
}

// Where the elements of a block start when one starts at bit 0: a space takes one byte, anything
// else a pair, so the starts are all bits but the second byte of each pair. Pairs start at the
// even offsets of every run of non-spaces, counted from the run's first byte; a carry added at a
// run's first bit clears exactly that run, which finds the runs that begin on odd bits.
std::uint64_t ElementStarts(std::uint64_t spaces) {
    constexpr std::uint64_t kEvenBits = 0x5555555555555555;
    constexpr std::uint64_t kOddBits = ~kEvenBits;
    const std::uint64_t others = ~spaces;
    const std::uint64_t runFirsts = others & ~(others << 1);
    const std::uint64_t oddRuns = others & ~(others + (runFirsts & kOddBits));
    const std::uint64_t pairFirsts = (oddRuns & kOddBits) | (others & ~oddRuns & kEvenBits);
    return ~(pairFirsts << 1);
}

// Decodes into dst the elements that start among the first `count` bytes of p (at most kBlock;
// p holds kBlock + 1 bytes, an element always starting at p[0]) and returns the bytes they take.
// The starts come from bit arithmetic, so no element waits for the one before it.
std::size_t DecodeEucKrBlock(const unsigned char* p, std::size_t count, const TUni2Euc& table,
                             std::int32_t*& dst) {
    if (count == 0) {
        return 0;
    }
    const std::uint64_t spaces = SpaceBits(p);
    std::uint64_t starts = ElementStarts(spaces);
    if (count < kBlock) {
        starts &= (std::uint64_t{1} << count) - 1;
    }
    const auto last = static_cast<std::size_t>(std::bit_width(starts) - 1);
    while (starts != 0) {
        const auto k = static_cast<std::size_t>(std::countr_zero(starts));
        starts &= starts - 1;
        const bool space = (spaces >> k & 1) != 0;
        const std::uint16_t code = table.EucToUni(static_cast<std::uint16_t>(p[k] << 8 | p[k + 1]));
        *dst++ = space ? kSpace : code;
    }
    return last + ((spaces >> last & 1) != 0 ? 1 : 2);
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
    while (n - i > kBlock) {
        i += DecodeEucKrBlock(p + i, kBlock, table, dst);
    }
    // The last bytes are read from a copy that zeros follow: a last byte pairs with the terminator.
    std::array<unsigned char, kBlock + 1> tail{};
    std::copy(p + i, p + n, tail.begin());
    DecodeEucKrBlock(tail.data(), n - i, table, dst);
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
