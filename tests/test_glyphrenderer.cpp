#include "keyboard/GlyphRenderer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// A 1-bit picture in memory with a stride padded like Qt's (to 4 bytes), so clipping at the right
// edge is visible in the padding bits.
struct TPicture {
    TPicture(int w, int h) : width(w), height(h), stride((w + 31) / 32 * 4), bits(stride * h) {}

    bool Black(int x, int y) const { return bits[y * stride + x / 8] >> (7 - x % 8) & 1; }
    void Paint(int left, int top, int w, int h) {
        for (int y = top; y < top + h; ++y)
            for (int x = left; x < left + w; ++x)
                bits[y * stride + x / 8] |= 0x80 >> (x % 8);
    }
    TMonoView View() { return {bits.data(), width, height, stride}; }
    TMonoConstView ConstView() const { return {bits.data(), width, height, stride}; }

    int width;
    int height;
    int stride;
    std::vector<std::uint8_t> bits;
};

constexpr int kSheetWidth = 774;
constexpr int kSheetHeight = 498;

// Glyph sheets and jamo pictures that are white except where a test paints them.
struct TGlyphs {
    TGlyphs() {
        for (int i = 0; i < TGlyphRenderer::kSheetCount; ++i)
            sheets.push_back(std::make_unique<TPicture>(kSheetWidth + (i == 17), kSheetHeight));
        for (int i = 0; i < TGlyphRenderer::kJamoCount; ++i) {
            const int size = i < 19 ? 16 : 18;
            jamo.push_back(std::make_unique<TPicture>(size, size));
        }
    }
    void PaintEveryCell() {
        for (auto& sheet : sheets)
            for (int r = 0; r < 21; ++r)
                for (int f = 0; f < 28; ++f)
                    sheet->Paint(28 * f, 24 * r, 18, 18);
    }
    TGlyphRenderer Renderer() const {
        std::array<TMonoConstView, TGlyphRenderer::kSheetCount> sheetViews;
        std::array<TMonoConstView, TGlyphRenderer::kJamoCount> jamoViews;
        for (int i = 0; i < TGlyphRenderer::kSheetCount; ++i)
            sheetViews[i] = sheets[i]->ConstView();
        for (int i = 0; i < TGlyphRenderer::kJamoCount; ++i)
            jamoViews[i] = jamo[i]->ConstView();
        return TGlyphRenderer(sheetViews, jamoViews);
    }

    std::vector<std::unique_ptr<TPicture>> sheets;
    std::vector<std::unique_ptr<TPicture>> jamo;
};

// Every black pixel of the picture lies in the rectangle and the rectangle is wholly black.
void ExpectBlackExactly(const TPicture& picture, int left, int top, int w, int h) {
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.stride * 8; ++x) {
            const bool inside = x >= left && x < left + w && y >= top && y < top + h;
            const bool black = picture.bits[y * picture.stride + x / 8] >> (7 - x % 8) & 1;
            wrong += inside != black;
        }
    EXPECT_EQ(wrong, 0) << "expected black exactly at (" << left << ", " << top << ") " << w
                        << " x " << h;
}

struct TSyllableCase {
    std::int32_t code;
    int sheet;
    int row;
    int column;
};

class SyllablePlacement : public testing::TestWithParam<TSyllableCase> {};

TEST_P(SyllablePlacement, CopiesItsCellOfItsSheetToTheCell) {
    const TSyllableCase c = GetParam();
    TGlyphs glyphs;
    glyphs.sheets[c.sheet]->Paint(28 * c.column, 24 * c.row, 18, 18);
    TPicture line(545, 24);
    const std::vector<std::int32_t> codes{32, c.code, 0};  // the glyph lands in cell 1
    glyphs.Renderer().Draw(&codes, line.View());
    ExpectBlackExactly(line, 24, 0, 18, 18);
}

INSTANTIATE_TEST_SUITE_P(Syllables, SyllablePlacement,
                         testing::Values(TSyllableCase{0xAC00, 0, 0, 0},    // 가
                                         TSyllableCase{0xD55C, 18, 0, 4},   // 한
                                         TSyllableCase{0xBDC1, 7, 15, 9},   // 뷁
                                         TSyllableCase{0xB2ED, 3, 0, 9},    // 닭
                                         TSyllableCase{0xD7A3, 18, 20, 27}  // 힣
                                         ),
                         [](const testing::TestParamInfo<TSyllableCase>& info) {
                             char name[8];
                             std::snprintf(name, sizeof name, "U%04X", info.param.code);
                             return std::string(name);
                         });

TEST(GlyphRenderer, LoneJamoUseTheTopLeft16x16OfTheirPicture) {
    struct {
        std::int32_t code;
        int jamoIndex;
        int cell;
    } const cases[] = {{0x1100, 0, 3}, {0x1112, 18, 0}, {0x1161, 19, 1}, {0x1175, 39, 0}};
    for (const auto& c : cases) {
        TGlyphs glyphs;
        TPicture& picture = *glyphs.jamo[c.jamoIndex];
        picture.Paint(0, 0, picture.width, picture.height);  // vowels: 18 × 18, only 16 × 16 drawn
        std::vector<std::int32_t> codes(c.cell, 32);
        codes.push_back(c.code);
        TPicture line(545, 24);
        glyphs.Renderer().Draw(&codes, line.View());
        SCOPED_TRACE(c.code);
        ExpectBlackExactly(line, 24 * c.cell + 4, 2, 16, 16);
    }
}

TEST(GlyphRenderer, CodesWithoutPictureLeaveTheirCellBlankAndKeepTheirPlace) {
    TGlyphs glyphs;
    glyphs.PaintEveryCell();
    for (auto& jamo : glyphs.jamo)
        jamo->Paint(0, 0, jamo->width, jamo->height);
    const std::vector<std::int32_t> blanks{0,      32,     65,     '0',    -1,     0x1113, 0x1160,
                                           0x1176, 0x11A8, 0x3131, 0xABFF, 0xD7A4, 0x10000};
    for (std::int32_t blank : blanks) {
        const std::vector<std::int32_t> codes{blank, 0xAC00};
        TPicture line(545, 24);
        glyphs.Renderer().Draw(&codes, line.View());
        SCOPED_TRACE(blank);
        ExpectBlackExactly(line, 24, 0, 18, 18);
    }
}

TEST(GlyphRenderer, NoListOrAnEmptyOneBlanksTheWholeTarget) {
    TGlyphs glyphs;
    const std::vector<std::int32_t> empty;
    for (const std::vector<std::int32_t>* codes :
         {static_cast<decltype(&empty)>(nullptr), &empty}) {
        TPicture line(545, 24);
        line.Paint(0, 0, 545, 24);
        glyphs.Renderer().Draw(codes, line.View());
        ExpectBlackExactly(line, 0, 0, 0, 0);
    }
}

TEST(GlyphRenderer, ClipsAtTheRightEdgeOfBothLineWidths) {
    TGlyphs glyphs;
    glyphs.PaintEveryCell();
    const std::vector<std::int32_t> thirty(30, 0xAC00);
    for (int width : {545, 456}) {
        TPicture line(width, 24);
        glyphs.Renderer().Draw(&thirty, line.View());
        SCOPED_TRACE(width);
        for (int x = 0; x < line.stride * 8; ++x) {
            const bool inGlyph = x % 24 < 18 && x < width;
            ASSERT_EQ(line.Black(x, 0), inGlyph) << "x " << x;
            ASSERT_EQ(line.Black(x, 18), false) << "x " << x;
        }
    }
}

TEST(GlyphRenderer, ALoneJamoInTheLastVisibleCellLosesItsLastThreeColumns) {
    TGlyphs glyphs;
    glyphs.jamo[0]->Paint(0, 0, 16, 16);
    std::vector<std::int32_t> codes(22, 32);
    codes.push_back(0x1100);
    TPicture line(545, 24);
    glyphs.Renderer().Draw(&codes, line.View());
    ExpectBlackExactly(line, 24 * 22 + 4, 2, 13, 16);
}

}  // namespace
