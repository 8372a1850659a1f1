#pragma once

#include <memory>
#include <string>

#include "MonoBitmap.h"

namespace glyphgen {

// Where a glyph lands in its square cell: the pen's x and the baseline's y, in pixels from the
// cell's top-left corner.
struct CellLayout {
    int size;
    int penX;
    int baseline;
};

struct RenderedCell {
    MonoBitmap bitmap;
    int inkOutside;  // black pixels that fell outside the cell and were dropped
};

// One face of a font file, rasterised by FreeType's monochrome renderer with the font's own
// hinting: every pixel is black or white as the hinted outline decides, with no threshold applied
// to grey levels.
class FontRaster {
  public:
    FontRaster(const std::string& fontPath, int pixelSize);
    ~FontRaster();
    FontRaster(const FontRaster&) = delete;
    FontRaster& operator=(const FontRaster&) = delete;

    std::string familyName() const;
    // Throws std::runtime_error when the font has no glyph for the character.
    RenderedCell render(char32_t character, const CellLayout& layout) const;

  private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
};

}  // namespace glyphgen
