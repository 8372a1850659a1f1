#include "keyboard/MonoBitmap.h"

#include <algorithm>
#include <cstring>

namespace {
// Reads up to four bytes from `row` at byte `first` as a big-endian word; bytes at or past `stride`
// read as 0, so no access leaves the row.
std::uint32_t LoadWord(const std::uint8_t* row, int first, int stride) {
    if (first + 4 <= stride) {
        std::uint8_t bytes[4];
        std::memcpy(bytes, row + first, 4);
        return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
               std::uint32_t{bytes[2]} << 8 | bytes[3];
    }
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i)
        word = word << 8 | (first + i < stride ? row[first + i] : 0u);
    return word;
}

void StoreWord(std::uint8_t* row, int first, int stride, std::uint32_t word) {
    for (int i = 0; i < 4 && first + i < stride; ++i)
        row[first + i] = static_cast<std::uint8_t>(word >> (24 - 8 * i));
}
}  // namespace

void CopyMonoBlock(TMonoConstView source, int sx, int sy, int w, int h, TMonoView target, int dx,
                   int dy) {
    // Clip against both pictures; a block that starts left of or above either is shifted inward.
    const int left = std::max({0, -sx, -dx});
    const int top = std::max({0, -sy, -dy});
    sx += left;
    dx += left;
    sy += top;
    dy += top;
    w = std::min({w - left, source.width - sx, target.width - dx, kMaxMonoBlockWidth});
    h = std::min({h - top, source.height - sy, target.height - dy});
    if (w <= 0 || h <= 0)
        return;

    const int sourceByte = sx >> 3;
    const int sourceShift = sx & 7;
    const int targetByte = dx >> 3;
    const int targetShift = dx & 7;
    // The block's bits, left-aligned in a 32-bit word, and where they go in the target's word.
    const std::uint32_t blockMask = ~std::uint32_t{0} << (32 - w);
    const std::uint32_t targetMask = blockMask >> targetShift;
    for (int row = 0; row < h; ++row) {
        const std::uint8_t* from = source.bits + (sy + row) * source.stride;
        std::uint8_t* to = target.bits + (dy + row) * target.stride;
        const std::uint32_t block =
            (LoadWord(from, sourceByte, source.stride) << sourceShift) & blockMask;
        const std::uint32_t old = LoadWord(to, targetByte, target.stride);
        StoreWord(to, targetByte, target.stride, (old & ~targetMask) | (block >> targetShift));
    }
}

void ClearMono(TMonoView target) {
    std::memset(target.bits, 0, static_cast<std::size_t>(target.stride) * target.height);
}
