#include "FontRaster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <stdexcept>

namespace glyphgen {

struct FontRaster::Handles {
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~Handles() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
};

namespace {

void check(FT_Error error, const std::string& what) {
    if (error != 0) {
        throw std::runtime_error(what + ": FreeType error " + std::to_string(error));
    }
}

bool monoPixel(const FT_Bitmap& bitmap, unsigned x, unsigned y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    return ((row[x / 8] >> (7 - x % 8)) & 1) != 0;
}

}  // namespace

FontRaster::FontRaster(const std::string& fontPath, int pixelSize)
    : handles_(std::make_unique<Handles>()) {
    check(FT_Init_FreeType(&handles_->library), "initialising FreeType");
    check(FT_New_Face(handles_->library, fontPath.c_str(), 0, &handles_->face), fontPath);
    check(FT_Set_Pixel_Sizes(handles_->face, 0, pixelSize), "setting the pixel size");
}

FontRaster::~FontRaster() = default;

std::string FontRaster::familyName() const {
    return handles_->face->family_name != nullptr ? handles_->face->family_name : "";
}

RenderedCell FontRaster::render(char32_t character, const CellLayout& layout) const {
    FT_Face face = handles_->face;
    const FT_UInt glyph = FT_Get_Char_Index(face, character);
    if (glyph == 0) {
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
        throw std::runtime_error(std::string("the font has no glyph for ") + name);
    }
    check(FT_Load_Glyph(face, glyph, FT_LOAD_TARGET_MONO), "loading a glyph");
    check(FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO), "rendering a glyph");

    const FT_Bitmap& source = face->glyph->bitmap;
    RenderedCell cell{MonoBitmap(layout.size, layout.size), 0};
    const int left = layout.penX + face->glyph->bitmap_left;
    const int top = layout.baseline - face->glyph->bitmap_top;
    for (unsigned y = 0; y < source.rows; ++y) {
        for (unsigned x = 0; x < source.width; ++x) {
            if (!monoPixel(source, x, y)) {
                continue;
            }
            const int cx = left + static_cast<int>(x);
            const int cy = top + static_cast<int>(y);
            if (cx >= 0 && cx < layout.size && cy >= 0 && cy < layout.size) {
                cell.bitmap.set(cx, cy, true);
            } else {
                ++cell.inkOutside;
            }
        }
    }
    return cell;
}

}  // namespace glyphgen
