#include "platform/Cp932.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <memory>
#include <stdexcept>
#include <vector>

namespace zelpa {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// One iconv conversion descriptor, closed with its owner.
class TIconv {
  public:
    TIconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~TIconv() { iconv_close(handle_); }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;

    // The whole input converted, or std::nullopt when some of it does not convert.
    std::optional<std::string> Convert(std::string_view input) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * 4 + 8, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        while (inLeft > 0) {
            if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
                if (errno != E2BIG) {
                    return std::nullopt;
                }
                const std::size_t used = output.size() - outLeft;
                output.resize(output.size() * 2);
                out = output.data() + used;
                outLeft = output.size() - used;
            }
        }
        output.resize(output.size() - outLeft);
        return output;
    }

  private:
    iconv_t handle_;
};

struct TConverters {
    TIconv toUtf8{"UTF-8", "CP932"};
    TIconv fromUtf8{"CP932", "UTF-8"};
};

TConverters& Converters() {
    static TConverters converters;
    return converters;
}

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || byte >= 0xE0;
}

// What one code (a single byte, or lead byte × 256 + second byte) decodes to.
struct TEntry {
    std::array<char, 4> utf8{};
    unsigned char utf8Length = 0;  // 0: not decodable
    bool exact = false;
};

// Every code decoded once, so that per-character decoding costs a table look-up.
class TCodeTable {
  public:
    TCodeTable() : singles_(256), doubles_(256 * 256) {
        for (int byte = 0; byte < 256; ++byte) {
            if (!IsLeadByte(static_cast<unsigned char>(byte))) {
                Fill(singles_[static_cast<std::size_t>(byte)],
                     std::string(1, static_cast<char>(byte)));
            }
        }
        for (int lead = 0x81; lead <= 0xFF; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead))) {
                continue;
            }
            for (int second = 0x40; second <= 0xFF; ++second) {
                const char code[2] = {static_cast<char>(lead), static_cast<char>(second)};
                Fill(doubles_[static_cast<std::size_t>(lead * 256 + second)], std::string(code, 2));
            }
        }
    }

    const TEntry& Single(unsigned char byte) const { return singles_[byte]; }
    const TEntry& Double(unsigned char lead, unsigned char second) const {
        return doubles_[static_cast<std::size_t>(lead) * 256 + second];
    }

  private:
    static void Fill(TEntry& entry, const std::string& code) {
        const auto utf8 = Converters().toUtf8.Convert(code);
        if (!utf8 || utf8->empty() || utf8->size() > entry.utf8.size()) {
            return;
        }
        std::copy(utf8->begin(), utf8->end(), entry.utf8.begin());
        entry.utf8Length = static_cast<unsigned char>(utf8->size());
        entry.exact = Converters().fromUtf8.Convert(*utf8) == code;
    }

    std::vector<TEntry> singles_;
    std::vector<TEntry> doubles_;
};

const TCodeTable& CodeTable() {
    static const TCodeTable table;
    return table;
}

}  // namespace

std::optional<TCp932Char> DecodeCp932Char(std::string_view bytes) {
    if (bytes.empty()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const bool twoBytes = IsLeadByte(lead);
    if (twoBytes && bytes.size() < 2) {
        return std::nullopt;
    }
    const TEntry& entry = twoBytes ? CodeTable().Double(lead, static_cast<unsigned char>(bytes[1]))
                                   : CodeTable().Single(lead);
    if (entry.utf8Length == 0) {
        return std::nullopt;
    }
    return TCp932Char{twoBytes ? 2u : 1u, std::string_view(entry.utf8.data(), entry.utf8Length),
                      entry.exact};
}

std::string Cp932ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 3 / 2);
    while (!bytes.empty()) {
        const auto character = DecodeCp932Char(bytes);
        text += character ? character->utf8 : kReplacement;
        bytes.remove_prefix(character ? character->length : 1);
    }
    return text;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    return Converters().fromUtf8.Convert(utf8);
}

}  // namespace zelpa
