// Checks the committed glyph sheets and jamo pictures that the text line draws from: sizes, 1-bit
// black-on-white pictures, every syllable present and told apart, gaps white.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <array>
#include <bitset>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kSheetCount = 19;
constexpr int kVowels = 21;
constexpr int kFinals = 28;
constexpr int kSyllables = kSheetCount * kVowels * kFinals;
constexpr int kGlyph = 18;
constexpr int kColumnPitch = 28;
constexpr int kRowPitch = 24;
constexpr int kSheetWidth = 774;
constexpr int kSheetHeight = 498;
constexpr int kWideSheet = 17;
constexpr int kDrawnJamo = 16;
constexpr int kMinimumNeighbourDistance = 3;

using Cell = std::bitset<kGlyph * kGlyph>;

QString dataPath(const std::string& relative) {
    return QString::fromStdString(std::string(ZELPA_DATA_DIR) + "/" + relative);
}

std::string twoDigits(int n) {
    return std::string{char('0' + n / 10), char('0' + n % 10)};
}

std::string syllableName(int index) {
    const char32_t c = 0xAC00 + index;
    return std::string{char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)),
                       char(0x80 | (c & 0x3F))};
}

bool isInk(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// A picture as the text line uses it: 1-bit, its two colours pure black and pure white.
void expectOneBitBlackOnWhite(const QImage& image, const std::string& name) {
    EXPECT_TRUE(image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB)
        << name << " has format " << image.format();
    ASSERT_EQ(image.colorCount(), 2) << name;
    const auto a = image.color(0) & 0xFFFFFF;
    const auto b = image.color(1) & 0xFFFFFF;
    EXPECT_TRUE((a == 0x000000 && b == 0xFFFFFF) || (a == 0xFFFFFF && b == 0x000000)) << name;
}

class GlyphSheets : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        sheets_ = new std::vector<QImage>;
        for (int s = 0; s < kSheetCount; ++s) {
            sheets_->emplace_back(dataPath("glyphs/sheet" + twoDigits(s) + ".png"));
        }
    }
    static void TearDownTestSuite() {
        delete sheets_;
        sheets_ = nullptr;
    }

    static const QImage& sheet(int s) { return (*sheets_)[s]; }

    static Cell cell(int index) {
        const QImage& image = sheet(index / (kVowels * kFinals));
        const int x0 = index % kFinals * kColumnPitch;
        const int y0 = index / kFinals % kVowels * kRowPitch;
        Cell bits;
        for (int y = 0; y < kGlyph; ++y) {
            for (int x = 0; x < kGlyph; ++x) {
                bits[y * kGlyph + x] = isInk(image, x0 + x, y0 + y);
            }
        }
        return bits;
    }

    static std::vector<Cell> allCells() {
        std::vector<Cell> cells;
        for (int index = 0; index < kSyllables; ++index) {
            cells.push_back(cell(index));
        }
        return cells;
    }

  private:
    static inline std::vector<QImage>* sheets_ = nullptr;
};

TEST_F(GlyphSheets, HaveTheGridSizeAndOneBitBlackOnWhite) {
    for (int s = 0; s < kSheetCount; ++s) {
        const std::string name = "sheet" + twoDigits(s);
        ASSERT_FALSE(sheet(s).isNull()) << name << " does not load";
        EXPECT_EQ(sheet(s).width(), s == kWideSheet ? kSheetWidth + 1 : kSheetWidth) << name;
        EXPECT_EQ(sheet(s).height(), kSheetHeight) << name;
        expectOneBitBlackOnWhite(sheet(s), name);
    }
}

TEST_F(GlyphSheets, EverySyllableHasInk) {
    for (int index = 0; index < kSyllables; ++index) {
        EXPECT_TRUE(cell(index).any()) << syllableName(index) << " is blank";
    }
}

TEST_F(GlyphSheets, NoTwoSyllablesShareABitmap) {
    std::unordered_map<Cell, int> owner;
    for (int index = 0; index < kSyllables; ++index) {
        const auto [found, inserted] = owner.emplace(cell(index), index);
        EXPECT_TRUE(inserted) << syllableName(index) << " looks exactly like "
                              << syllableName(found->second);
    }
}

// Syllables one jamo apart (각/갂, 머/미, 툼/틈) must differ by more than a stray pixel or two.
TEST_F(GlyphSheets, SyllablesOneJamoApartDifferInSeveralPixels) {
    const std::vector<Cell> cells = allCells();
    constexpr std::array<int, 3> kStrides = {kVowels * kFinals, kFinals, 1};
    constexpr std::array<int, 3> kCounts = {kSheetCount, kVowels, kFinals};
    for (int index = 0; index < kSyllables; ++index) {
        for (std::size_t part = 0; part < kStrides.size(); ++part) {
            const int own = index / kStrides[part] % kCounts[part];
            for (int other = own + 1; other < kCounts[part]; ++other) {
                const int neighbour = index + (other - own) * kStrides[part];
                const auto distance = (cells[index] ^ cells[neighbour]).count();
                EXPECT_GE(distance, kMinimumNeighbourDistance)
                    << syllableName(index) << " and " << syllableName(neighbour);
            }
        }
    }
}

TEST_F(GlyphSheets, GapsBetweenCellsAreWhite) {
    for (int s = 0; s < kSheetCount; ++s) {
        const QImage& image = sheet(s);
        int inkInGaps = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool inCell =
                    x < kSheetWidth && x % kColumnPitch < kGlyph && y % kRowPitch < kGlyph;
                inkInGaps += !inCell && isInk(image, x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(inkInGaps, 0) << "sheet" << twoDigits(s);
    }
}

struct JamoFile {
    int code;
    int size;
};

std::vector<JamoFile> jamoFiles() {
    std::vector<JamoFile> files;
    for (int code = 1; code <= 19; ++code) {
        files.push_back({code, 16});
    }
    for (int code = 50; code <= 70; ++code) {
        files.push_back({code, 18});
    }
    return files;
}

TEST(JamoPictures, HaveTheirSizeAndOneBitBlackOnWhite) {
    for (const JamoFile& file : jamoFiles()) {
        const std::string name = "jamo" + twoDigits(file.code);
        const QImage image(dataPath("jamo/" + name + ".png"));
        ASSERT_FALSE(image.isNull()) << name << " does not load";
        EXPECT_EQ(image.size(), QSize(file.size, file.size)) << name;
        expectOneBitBlackOnWhite(image, name);
    }
}

// The text line shows only the top-left 16 x 16 of a picture: each jamo must show there, and
// differ.
TEST(JamoPictures, DrawnSquaresHaveInkAndAreDistinct) {
    std::unordered_map<std::bitset<kDrawnJamo * kDrawnJamo>, int> owner;
    for (const JamoFile& file : jamoFiles()) {
        const QImage image(dataPath("jamo/jamo" + twoDigits(file.code) + ".png"));
        ASSERT_FALSE(image.isNull()) << file.code;
        std::bitset<kDrawnJamo * kDrawnJamo> drawn;
        for (int y = 0; y < kDrawnJamo; ++y) {
            for (int x = 0; x < kDrawnJamo; ++x) {
                drawn[y * kDrawnJamo + x] = isInk(image, x, y);
            }
        }
        EXPECT_TRUE(drawn.any()) << "jamo " << file.code << " is blank";
        const auto [found, inserted] = owner.emplace(drawn, file.code);
        EXPECT_TRUE(inserted) << "jamo " << file.code << " looks like jamo " << found->second;
    }
}

}  // namespace
