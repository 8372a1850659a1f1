#include "platform/SafeFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "temp_folder.h"

namespace zelpa {
namespace {

std::string Content(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t EntryCount(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

class SafeFileTest : public ::testing::Test {
  protected:
    TTempFolder folder;
    std::filesystem::path target = folder / "file.bin";

    void WriteOld() { std::ofstream(target, std::ios::binary) << "old"; }
};

TEST_F(SafeFileTest, CommitReplacesTheFileAndKeepsItsPermissions) {
    WriteOld();
    std::filesystem::permissions(
        target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    {
        TSafeFileWriter file(target);
        file.Stream() << "new";
        file.Commit();
    }
    EXPECT_EQ(Content(target), "new");
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

TEST_F(SafeFileTest, TemporaryFileLiesBesideTheTargetUnderAHiddenNameOfItsOwn) {
    // A save cut off by a crash must not leave a file that passes for a material (".ktg" in its
    // name), and a target name near the length limit must still be savable.
    const std::filesystem::path material = folder / (std::string(240, 'm') + ".ktg");
    TSafeFileWriter file(material);
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
    const std::string name = std::filesystem::directory_iterator(folder.Path())->path().filename();
    EXPECT_TRUE(name.starts_with(".")) << name;
    EXPECT_EQ(name.find(".ktg"), std::string::npos) << name;
    file.Stream() << "new";
    file.Commit();
    EXPECT_EQ(Content(material), "new");
}

TEST_F(SafeFileTest, ALinkedTargetHasTheFileItPointsToReplaced) {
    const std::filesystem::path real = folder / "real.bin";
    std::ofstream(real) << "old";
    std::filesystem::create_symlink(real, target);
    WriteFileWhole(target, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(target));
    EXPECT_EQ(Content(real), "new");
}

TEST_F(SafeFileTest, AReadOnlyTargetIsRefusedAndKept) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser may write any file";
    }
    WriteOld();
    std::filesystem::permissions(target, std::filesystem::perms::owner_read);
    EXPECT_THROW(WriteFileWhole(target, "new"), std::system_error);
    EXPECT_EQ(Content(target), "old");
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

TEST_F(SafeFileTest, AbandonedSaveLeavesTheOldFile) {
    WriteOld();
    {
        TSafeFileWriter file(target);
        file.Stream() << "half";
    }
    EXPECT_EQ(Content(target), "old");
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

TEST_F(SafeFileTest, FailedWriteIsReportedAndLeavesTheOldFile) {
    WriteOld();
    TSafeFileWriter file(target);
    file.Stream() << "partial";
    file.Stream().setstate(std::ios::badbit);
    EXPECT_THROW(file.Commit(), std::system_error);
    EXPECT_EQ(Content(target), "old");
}

TEST_F(SafeFileTest, FailedRenameIsReported) {
    std::filesystem::create_directories(target / "inside");
    TSafeFileWriter file(target);
    file.Stream() << "x";
    EXPECT_THROW(file.Commit(), std::system_error);
    EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));
}

TEST_F(SafeFileTest, MissingFolderThrowsAtCreation) {
    EXPECT_THROW(TSafeFileWriter(folder / "no" / "file.bin"), std::system_error);
}

}  // namespace
}  // namespace zelpa
