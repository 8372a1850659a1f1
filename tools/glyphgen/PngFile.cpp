#include "PngFile.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace glyphgen {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Row of packed bits, most significant bit first, 1 = white as greyscale PNG expects.
std::vector<png_byte> packRow(const MonoBitmap& bitmap, int y) {
    std::vector<png_byte> row((bitmap.width() + 7) / 8, 0);
    for (int x = 0; x < bitmap.width(); ++x) {
        if (!bitmap.at(x, y)) {
            row[x / 8] |= static_cast<png_byte>(0x80 >> (x % 8));
        }
    }
    return row;
}

}  // namespace

void writeMonoPng(const MonoBitmap& bitmap, const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        throw std::runtime_error("cannot create " + path);
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("cannot start a PNG writer");
    }
    std::vector<std::vector<png_byte>> rows;
    for (int y = 0; y < bitmap.height(); ++y) {
        rows.push_back(packRow(bitmap, y));
    }
    std::vector<png_bytep> rowPointers;
    for (auto& row : rows) {
        rowPointers.push_back(row.data());
    }
    // libpng reports errors by longjmp; only plain data lives in this frame from here on.
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("cannot write " + path);
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, bitmap.width(), bitmap.height(), 1, PNG_COLOR_TYPE_GRAY,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
}

}  // namespace glyphgen
