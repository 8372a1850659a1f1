#pragma once

#include <QImage>
#include <QString>

#include "keyboard/MonoBitmap.h"

// Loads a 1-bit picture (a glyph sheet or a jamo picture) as QImage::Format_Mono with colour index
// 1 for black, whatever palette order the file used. A missing file gives a null image.
QImage LoadMonoPicture(const QString& path);

// A new white 1-bit picture of the given size, black at colour index 1.
QImage WhiteMonoPicture(int width, int height);

// The resource paths of the glyph sheet of an initial (0 to 18) and of a jamo picture (jamo code).
QString GlyphSheetPath(int sheetIndex);
QString JamoPicturePath(int jamoCode);

TMonoConstView ConstMonoView(const QImage& picture);
TMonoView MonoView(QImage& picture);
