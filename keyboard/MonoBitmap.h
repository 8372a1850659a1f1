#pragma once

#include <cstdint>

// A view of a 1-bit picture: `height` rows of `stride` bytes, the leftmost pixel of a byte in its
// most significant bit, 1 = black, 0 = white.
struct TMonoView {
    std::uint8_t* bits;
    int width;
    int height;
    int stride;
};

struct TMonoConstView {
    const std::uint8_t* bits;
    int width;
    int height;
    int stride;
};

// The widest block CopyMonoBlock moves in one piece.
inline constexpr int kMaxMonoBlockWidth = 25;

// Copies the w × h block at (sx, sy) of `source` to (dx, dy) of `target`, replacing the target's
// pixels; whatever falls outside either picture is clipped. w is at most kMaxMonoBlockWidth.
void CopyMonoBlock(TMonoConstView source, int sx, int sy, int w, int h, TMonoView target, int dx,
                   int dy);

// Sets every pixel of the picture to white.
void ClearMono(TMonoView target);
