#include "learning/BinaryIo.h"

#include <algorithm>

namespace zelpa {
namespace {

// The largest piece allocated ahead of the bytes that fill it.
constexpr std::size_t kChunkBytes = 64 * 1024;

std::int32_t FromLittleEndian(const char* bytes) {
    const auto byte = [bytes](int i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]));
    };
    return static_cast<std::int32_t>(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
}

}  // namespace

bool TBinaryReader::Fail() {
    in_.setstate(std::ios::eofbit | std::ios::failbit);
    return false;
}

bool TBinaryReader::Read(char* buffer, std::size_t count) {
    const auto got = in_.rdbuf()->sgetn(buffer, static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(got) == count || Fail();
}

bool TBinaryReader::MayHold(std::size_t count) {
    // Runs that fit one chunk are cheaper to try than to measure.
    if (count <= kChunkBytes) {
        return true;
    }
    std::streambuf& buffer = *in_.rdbuf();
    const auto here = buffer.pubseekoff(0, std::ios::cur, std::ios::in);
    if (here == std::streampos(-1)) {
        return true;
    }
    const auto end = buffer.pubseekoff(0, std::ios::end, std::ios::in);
    buffer.pubseekpos(here, std::ios::in);
    return end == std::streampos(-1) || static_cast<std::size_t>(end - here) >= count || Fail();
}

bool TBinaryReader::Word(std::int32_t& value) {
    char bytes[4];
    if (!Read(bytes, sizeof bytes)) {
        return false;
    }
    value = FromLittleEndian(bytes);
    return true;
}

bool TBinaryReader::Bytes(std::size_t count, std::string& out) {
    out.clear();
    if (!MayHold(count)) {
        return false;
    }
    while (out.size() < count) {
        const std::size_t start = out.size();
        const std::size_t piece = std::min(count - start, kChunkBytes);
        out.resize(start + piece);
        if (!Read(out.data() + start, piece)) {
            return false;
        }
    }
    return true;
}

bool TBinaryReader::Words(std::size_t count, std::uint32_t mask, std::vector<std::int32_t>& out) {
    if (!MayHold(count * 4)) {
        return false;
    }
    char buffer[kChunkBytes];
    while (count > 0) {
        const std::size_t piece = std::min(count, kChunkBytes / 4);
        if (!Read(buffer, piece * 4)) {
            return false;
        }
        // push_back grows geometrically; reserving each piece exactly would copy the whole list
        // once per piece.
        for (std::size_t i = 0; i < piece; ++i) {
            out.push_back(static_cast<std::int32_t>(
                static_cast<std::uint32_t>(FromLittleEndian(buffer + i * 4)) ^ mask));
        }
        count -= piece;
    }
    return true;
}

void TBinaryWriter::MakeRoom(std::size_t count) {
    if (buffer_.size() + count > kChunkBytes) {
        Flush();
    }
}

void TBinaryWriter::Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

void TBinaryWriter::Word(std::int32_t value) {
    MakeRoom(4);
    const auto bits = static_cast<std::uint32_t>(value);
    const char bytes[4] = {static_cast<char>(bits), static_cast<char>(bits >> 8),
                           static_cast<char>(bits >> 16), static_cast<char>(bits >> 24)};
    buffer_.append(bytes, sizeof bytes);
}

void TBinaryWriter::MaskedBytes(std::string_view bytes, std::uint8_t mask) {
    while (!bytes.empty()) {
        MakeRoom(1);
        const std::size_t piece = std::min(bytes.size(), kChunkBytes - buffer_.size());
        const std::size_t start = buffer_.size();
        buffer_.append(bytes.substr(0, piece));
        for (std::size_t i = start; i < buffer_.size(); ++i) {
            buffer_[i] = static_cast<char>(static_cast<std::uint8_t>(buffer_[i]) ^ mask);
        }
        bytes.remove_prefix(piece);
    }
}

}  // namespace zelpa
