// One edit cycle of the keyboard window (composer call, GetCodes, DrawCodes of a full 22-cell
// line into the text image), and the same line drawn from the font by FreeType and by QPainter.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <cstring>

#include "keyboard/Fkeybord.h"
#include "platform/ProgramFolder.h"

#ifdef ZELPA_HAVE_FREETYPE
#include <ft2build.h>
#include FT_FREETYPE_H
#endif

namespace {

constexpr int kCells = 22;
const char16_t kLine[] = u"한국어를공부합니다닭값읽다앉다뷁쀍힣가나다라";

std::vector<std::int32_t> LineCodes() {
    return {std::begin(kLine), std::end(kLine) - 1};
}

// Alternates typing ㄱ after 21 committed syllables and taking it back: each iteration is one
// edit that redraws a line of 22 cells.
void BM_EditCycle(benchmark::State& state) {
    TfrmKeyboard window("bench.dat");
    std::vector<std::int32_t> committed = LineCodes();
    committed.resize(kCells - 1);
    window.Keyboard.Committed = committed;
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            window.btBackClick();
        else
            window.bbGClick(*window.JamoButton(1));
        typed = !typed;
        benchmark::DoNotOptimize(window.TargetImage->Picture().constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EditCycle);

// The same 22 syllables drawn by QPainter::drawText into a QImage, glyph cache warmed.
void BM_QPainterDrawText(benchmark::State& state) {
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(ZELPA_GLYPH_FONT));
    if (id < 0) {
        state.SkipWithError("the Baekmuk Gulim font is not installed");
        return;
    }
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
    font.setPixelSize(19);
    font.setStyleStrategy(QFont::NoAntialias);
    const QString text = QString::fromUtf16(kLine);
    QImage line(545, 24, QImage::Format_RGB32);
    for (auto _ : state) {
        line.fill(Qt::white);
        QPainter painter(&line);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(0, 15, text);
        benchmark::DoNotOptimize(line.constBits());
    }
}
BENCHMARK(BM_QPainterDrawText);

#ifdef ZELPA_HAVE_FREETYPE
// The same 22 syllables rendered by FreeType from the font, monochrome, and copied into a
// 1-bit line.
void BM_FreeTypeLine(benchmark::State& state) {
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) || FT_New_Face(library, ZELPA_GLYPH_FONT, 0, &face)) {
        state.SkipWithError("the Baekmuk Gulim font is not installed");
        return;
    }
    FT_Set_Pixel_Sizes(face, 0, 19);
    const std::vector<std::int32_t> codes = LineCodes();
    constexpr int kStride = 72;
    std::vector<std::uint8_t> line(kStride * 24);
    for (auto _ : state) {
        std::memset(line.data(), 0, line.size());
        for (int i = 0; i < kCells; ++i) {
            FT_Load_Char(face, codes[i], FT_LOAD_RENDER | FT_LOAD_TARGET_MONO);
            const FT_Bitmap& bitmap = face->glyph->bitmap;
            const int left = 24 * i + face->glyph->bitmap_left;
            const int top = 15 - face->glyph->bitmap_top;
            for (unsigned y = 0; y < bitmap.rows; ++y)
                for (unsigned x = 0; x < bitmap.width; ++x) {
                    const int px = left + static_cast<int>(x);
                    const int py = top + static_cast<int>(y);
                    if (px < 0 || px >= 545 || py < 0 || py >= 24)
                        continue;
                    if (bitmap.buffer[y * bitmap.pitch + x / 8] & (0x80 >> (x % 8)))
                        line[py * kStride + px / 8] |= 0x80 >> (px % 8);
                }
        }
        benchmark::DoNotOptimize(line.data());
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}
BENCHMARK(BM_FreeTypeLine);
#endif

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::SetProgramFolderForTests(QDir::tempPath().toStdString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
