#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace glyphgen {

// A black-and-white picture; true is black (ink).
class MonoBitmap {
  public:
    MonoBitmap(int width, int height);

    // Rows of pixel art: '#' is black, any other character white. Every row as wide as the first.
    static MonoBitmap fromArt(std::span<const std::string_view> rows);

    int width() const { return width_; }
    int height() const { return height_; }
    bool at(int x, int y) const { return pixels_[index(x, y)] != 0; }
    void set(int x, int y, bool black) { pixels_[index(x, y)] = black ? 1 : 0; }

    // Copies source with its top-left corner at (x, y); pixels outside this picture are dropped.
    void paste(const MonoBitmap& source, int x, int y);
    MonoBitmap cropped(int x, int y, int width, int height) const;
    MonoBitmap scaled(int factor) const;
    bool isBlank() const;

    bool operator==(const MonoBitmap&) const = default;

  private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace glyphgen
