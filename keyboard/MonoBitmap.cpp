#include "keyboard/MonoBitmap.h"

#include <algorithm>
#include <cstring>

namespace {
// Reads four bytes of a row from byte `first` as a big-endian word. Unless `kInside` promises that
// all four lie in the row, bytes at or past `stride` read as 0, so no access leaves the row.
template <bool kInside>
std::uint32_t LoadWord(const std::uint8_t* row, int first, int stride) {
    std::uint8_t bytes[4] = {};
    std::memcpy(bytes, row + first,
                kInside ? 4 : static_cast<std::size_t>(std::min(4, stride - first)));
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | bytes[3];
}

template <bool kInside>
void StoreWord(std::uint8_t* row, int first, int stride, std::uint32_t word) {
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(word >> 24), static_cast<std::uint8_t>(word >> 16),
        static_cast<std::uint8_t>(word >> 8), static_cast<std::uint8_t>(word)};
    std::memcpy(row + first, bytes,
                kInside ? 4 : static_cast<std::size_t>(std::min(4, stride - first)));
}

// The clipped block: w × h pixels from (sx, sy) of the source to (dx, dy) of the target.
struct TBlock {
    int sx;
    int sy;
    int w;
    int h;
    int dx;
    int dy;
};

template <bool kInside>
void CopyRows(TMonoConstView source, TMonoView target, const TBlock& b) {
    const int sourceByte = b.sx >> 3;
    const int sourceShift = b.sx & 7;
    const int targetByte = b.dx >> 3;
    const int targetShift = b.dx & 7;
    // The block's bits, left-aligned in a 32-bit word, and where they go in the target's word.
    const std::uint32_t blockMask = ~std::uint32_t{0} << (32 - b.w);
    const std::uint32_t targetMask = blockMask >> targetShift;
    for (int row = 0; row < b.h; ++row) {
        const std::uint8_t* from = source.bits + (b.sy + row) * source.stride;
        std::uint8_t* to = target.bits + (b.dy + row) * target.stride;
        const std::uint32_t block =
            (LoadWord<kInside>(from, sourceByte, source.stride) << sourceShift) & blockMask;
        const std::uint32_t old = LoadWord<kInside>(to, targetByte, target.stride);
        StoreWord<kInside>(to, targetByte, target.stride,
                           (old & ~targetMask) | (block >> targetShift));
    }
}
}  // namespace

void CopyMonoBlock(TMonoConstView source, int sx, int sy, int w, int h, TMonoView target, int dx,
                   int dy) {
    // Clip against both pictures; a block that starts left of or above either is shifted inward.
    const int left = std::max({0, -sx, -dx});
    const int top = std::max({0, -sy, -dy});
    const TBlock block{sx + left,
                       sy + top,
                       std::min({w - left, source.width - sx - left, target.width - dx - left,
                                 kMaxMonoBlockWidth}),
                       std::min({h - top, source.height - sy - top, target.height - dy - top}),
                       dx + left,
                       dy + top};
    if (block.w <= 0 || block.h <= 0)
        return;
    // Whole words almost always lie inside both rows; only the right edges need the careful path.
    if ((block.sx >> 3) + 4 <= source.stride && (block.dx >> 3) + 4 <= target.stride)
        CopyRows<true>(source, target, block);
    else
        CopyRows<false>(source, target, block);
}

void ClearMono(TMonoView target) {
    std::memset(target.bits, 0, static_cast<std::size_t>(target.stride) * target.height);
}
