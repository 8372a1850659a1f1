#include "keyboard/Cmsaver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "temp_folder.h"

namespace {

// 30 bytes: the six fields 1, 3, 0x0201, 1, -1, 0x7F000000, then six bytes beyond the record.
const std::string kFileBytes(
    "\x01\x00\x00\x00"
    "\x03\x00\x00\x00"
    "\x01\x02\x00\x00"
    "\x01\x00\x00\x00"
    "\xFF\xFF\xFF\xFF"
    "\x00\x00\x00\x7F"
    "\xAA\xBB\xCC\xDD\xEE\xFF",
    30);

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const TKeyboardSettings kJunk{9, 9, 9, 9, 9, 9};

class SettingsFile : public ::testing::Test {
  protected:
    TTempFolder folder;
    const std::filesystem::path path = folder / "jamkey.dat";
    TCommonSaver saver;
};

struct TLoadCase {
    std::size_t fileSize;
    TKeyboardSettings expected;
};

TEST_F(SettingsFile, LoadFillsTheRecordFromTheFrontOfTheFile) {
    const TLoadCase cases[] = {
        {0, {}},
        {10, {1, 3, 0x0201, 0, 0, 0}},  // ClearOnCopy gets two bytes, zero above them
        {24, {1, 3, 0x0201, 1, -1, 0x7F000000}},
        {30, {1, 3, 0x0201, 1, -1, 0x7F000000}},  // bytes after the record are ignored
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileSize);
        WriteAll(path, kFileBytes.substr(0, c.fileSize));
        TKeyboardSettings settings = kJunk;
        EXPECT_EQ(saver.Load(path, settings), 0);
        EXPECT_EQ(settings, c.expected);
    }
}

TEST_F(SettingsFile, LoadWithoutAFileGivesMinusOneAndZeros) {
    TKeyboardSettings settings = kJunk;
    EXPECT_EQ(saver.Load(path, settings), -1);
    EXPECT_EQ(settings, TKeyboardSettings{});
}

TEST_F(SettingsFile, LoadOfAnUnreadableFileThrowsAndLeavesZeros) {
    std::filesystem::create_directory(path);
    TKeyboardSettings settings = kJunk;
    EXPECT_THROW(saver.Load(path, settings), std::system_error);
    EXPECT_EQ(settings, TKeyboardSettings{});
}

TEST_F(SettingsFile, SaveWritesTheSixFieldsLittleEndianAndLoadReadsThemBack) {
    const TKeyboardSettings settings{1, tpHexRef, 0, tpEucKr, 1, -2};
    ASSERT_FALSE(saver.Save(path, settings));
    EXPECT_EQ(ReadAll(path), std::string("\x01\x00\x00\x00"
                                         "\x03\x00\x00\x00"
                                         "\x00\x00\x00\x00"
                                         "\x01\x00\x00\x00"
                                         "\x01\x00\x00\x00"
                                         "\xFE\xFF\xFF\xFF",
                                         24));
    TKeyboardSettings loaded;
    EXPECT_EQ(saver.Load(path, loaded), 0);
    EXPECT_EQ(loaded, settings);
}

TEST_F(SettingsFile, SaveReplacesALongerFileWithTheRecordAndLeavesNoTemporaryFile) {
    WriteAll(path, kFileBytes);
    ASSERT_FALSE(saver.Save(path, {}));
    EXPECT_EQ(ReadAll(path), std::string(24, '\0'));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(SettingsFile, FailedSavesAreReportedAndLeaveNoTemporaryFile) {
    EXPECT_TRUE(saver.Save(folder / "missing" / "jamkey.dat", {}));

    // An occupied folder in the file's place makes the final rename fail.
    std::filesystem::create_directories(path / "occupied");
    EXPECT_TRUE(saver.Save(path, {}));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

}  // namespace
