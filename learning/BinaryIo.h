#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zelpa {

// A count or length stored in a file; a negative one counts as none.
inline std::size_t CountOf(std::int32_t stored) {
    return stored > 0 ? static_cast<std::size_t>(stored) : 0;
}

// Reads 32-bit little-endian words and byte runs from a stream. Every read either delivers all it
// was asked for or fails and marks the stream failed. A count read from the data is checked
// against the bytes the stream still holds before anything is allocated for it; where the stream
// cannot tell (a pipe), memory grows only as bytes actually arrive.
class TBinaryReader {
  public:
    explicit TBinaryReader(std::istream& in) : in_(in) {}

    bool Word(std::int32_t& value);
    // Replaces `out` by the next `count` bytes.
    bool Bytes(std::size_t count, std::string& out);
    // Appends `count` words, each XORed with `mask`.
    bool Words(std::size_t count, std::uint32_t mask, std::vector<std::int32_t>& out);
    // False, marking the stream failed, when the stream is known to hold fewer than `count` more
    // bytes.
    bool MayHold(std::size_t count);

  private:
    bool Read(char* buffer, std::size_t count);
    bool Fail();

    std::istream& in_;
};

// Writes 32-bit little-endian words and byte runs to a stream through a buffer of fixed size.
class TBinaryWriter {
  public:
    explicit TBinaryWriter(std::ostream& out) : out_(out) {}
    ~TBinaryWriter() { Flush(); }
    TBinaryWriter(const TBinaryWriter&) = delete;
    TBinaryWriter& operator=(const TBinaryWriter&) = delete;

    void Word(std::int32_t value);
    // Writes `bytes`, each XORed with `mask`.
    void MaskedBytes(std::string_view bytes, std::uint8_t mask);
    void Flush();

  private:
    void MakeRoom(std::size_t count);

    std::ostream& out_;
    std::string buffer_;
};

}  // namespace zelpa
