#include "Glyphs.h"

#include <map>
#include <stdexcept>

#include "Hangul.h"
#include "JamoArt.h"
#include "SyllablePatches.h"

namespace glyphgen {

namespace {

int pixelDistance(const MonoBitmap& a, const MonoBitmap& b) {
    int distance = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            distance += a.at(x, y) != b.at(x, y) ? 1 : 0;
        }
    }
    return distance;
}

std::string describe(int index) {
    return utf8(kFirstSyllable + static_cast<char32_t>(index));
}

// Indices of the syllables after this one that differ from it in exactly one jamo.
std::vector<int> laterNeighbours(int index) {
    const int initial = index / (kVowelCount * kFinalCount);
    const int vowel = index / kFinalCount % kVowelCount;
    const int final = index % kFinalCount;
    std::vector<int> neighbours;
    for (int other = initial + 1; other < kInitialCount; ++other) {
        neighbours.push_back(static_cast<int>(syllable(other, vowel, final) - kFirstSyllable));
    }
    for (int other = vowel + 1; other < kVowelCount; ++other) {
        neighbours.push_back(static_cast<int>(syllable(initial, other, final) - kFirstSyllable));
    }
    for (int other = final + 1; other < kFinalCount; ++other) {
        neighbours.push_back(static_cast<int>(syllable(initial, vowel, other) - kFirstSyllable));
    }
    return neighbours;
}

}  // namespace

SyllableCells renderSyllables(const FontRaster& font, const CellLayout& layout) {
    SyllableCells cells;
    cells.reserve(kSyllableCount);
    for (int index = 0; index < kSyllableCount; ++index) {
        RenderedCell cell = font.render(kFirstSyllable + static_cast<char32_t>(index), layout);
        if (cell.inkOutside > 0) {
            throw std::runtime_error(describe(index) + " does not fit its cell");
        }
        cells.push_back(std::move(cell.bitmap));
    }
    return cells;
}

void applySyllablePatches(SyllableCells& cells) {
    for (const SyllablePatch& patch : syllablePatches()) {
        cells.at(patch.syllable - kFirstSyllable) = MonoBitmap::fromArt(patch.rows);
    }
}

std::vector<std::string> findFaults(const SyllableCells& cells) {
    std::vector<std::string> faults;
    std::map<std::vector<bool>, int> firstOwner;
    for (int index = 0; index < static_cast<int>(cells.size()); ++index) {
        const MonoBitmap& cell = cells[index];
        if (cell.isBlank()) {
            faults.push_back(describe(index) + ": blank cell");
        }
        std::vector<bool> key;
        for (int y = 0; y < cell.height(); ++y) {
            for (int x = 0; x < cell.width(); ++x) {
                key.push_back(cell.at(x, y));
            }
        }
        const auto [owner, inserted] = firstOwner.emplace(std::move(key), index);
        if (!inserted) {
            faults.push_back(describe(index) + ": same bitmap as " + describe(owner->second));
        }
        for (int neighbour : laterNeighbours(index)) {
            const int distance = pixelDistance(cell, cells[neighbour]);
            if (distance < kMinimumNeighbourDistance) {
                faults.push_back(describe(index) + " and " + describe(neighbour) + " differ in " +
                                 std::to_string(distance) + " pixels");
            }
        }
    }
    return faults;
}

MonoBitmap composeSheet(const SyllableCells& cells, int initial) {
    MonoBitmap sheet(initial == kWideSheet ? kSheetWidth + 1 : kSheetWidth, kSheetHeight);
    for (int vowel = 0; vowel < kVowelCount; ++vowel) {
        for (int final = 0; final < kFinalCount; ++final) {
            const auto index = syllable(initial, vowel, final) - kFirstSyllable;
            sheet.paste(cells[index], final * kColumnPitch, vowel * kRowPitch);
        }
    }
    return sheet;
}

std::vector<JamoPicture> jamoPictures() {
    std::vector<JamoPicture> pictures;
    for (const JamoArt& art : jamoArt()) {
        const int size = art.code < kFirstVowelCode ? kConsonantPictureSize : kVowelPictureSize;
        MonoBitmap picture(size, size);
        picture.paste(MonoBitmap::fromArt(art.rows), 0, 0);
        pictures.push_back({art.code, std::move(picture)});
    }
    return pictures;
}

}  // namespace glyphgen
