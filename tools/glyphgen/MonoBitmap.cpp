#include "MonoBitmap.h"

#include <algorithm>
#include <stdexcept>

namespace glyphgen {

MonoBitmap::MonoBitmap(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, 0) {}

MonoBitmap MonoBitmap::fromArt(std::span<const std::string_view> rows) {
    const int width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    MonoBitmap bitmap(width, static_cast<int>(rows.size()));
    for (int y = 0; y < bitmap.height(); ++y) {
        if (static_cast<int>(rows[y].size()) != width) {
            throw std::invalid_argument("pixel art rows differ in width");
        }
        for (int x = 0; x < width; ++x) {
            bitmap.set(x, y, rows[y][x] == '#');
        }
    }
    return bitmap;
}

void MonoBitmap::paste(const MonoBitmap& source, int x, int y) {
    for (int sy = 0; sy < source.height(); ++sy) {
        for (int sx = 0; sx < source.width(); ++sx) {
            const int tx = x + sx;
            const int ty = y + sy;
            if (tx >= 0 && tx < width_ && ty >= 0 && ty < height_) {
                set(tx, ty, source.at(sx, sy));
            }
        }
    }
}

MonoBitmap MonoBitmap::cropped(int x, int y, int width, int height) const {
    MonoBitmap part(width, height);
    part.paste(*this, -x, -y);
    return part;
}

MonoBitmap MonoBitmap::scaled(int factor) const {
    MonoBitmap large(width_ * factor, height_ * factor);
    for (int y = 0; y < large.height(); ++y) {
        for (int x = 0; x < large.width(); ++x) {
            large.set(x, y, at(x / factor, y / factor));
        }
    }
    return large;
}

bool MonoBitmap::isBlank() const {
    return std::ranges::none_of(pixels_, [](std::uint8_t pixel) { return pixel != 0; });
}

}  // namespace glyphgen
