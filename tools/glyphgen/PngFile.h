#pragma once

#include <string>

#include "MonoBitmap.h"

namespace glyphgen {

// Writes a 1-bit greyscale PNG (black ink, white background). Throws std::runtime_error on failure.
void writeMonoPng(const MonoBitmap& bitmap, const std::string& path);

}  // namespace glyphgen
