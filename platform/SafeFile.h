#pragma once

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string_view>

namespace zelpa {

// Writes a file through a new temporary file in the same folder that replaces the target only
// when it was written whole, so a failed or interrupted save leaves the previous file intact.
// A target that is a symbolic link has the file it points to replaced.
class TSafeFileWriter {
  public:
    // Creates the temporary file; throws std::system_error when it cannot be created or when the
    // target exists and may not be written.
    explicit TSafeFileWriter(const std::filesystem::path& target);
    // Removes the temporary file unless `Commit` succeeded.
    ~TSafeFileWriter();
    TSafeFileWriter(const TSafeFileWriter&) = delete;
    TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;

    std::ostream& Stream() { return stream_; }
    // Completes the temporary file and renames it over the target; throws std::system_error when
    // any write failed or the rename fails.
    void Commit();

  private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream stream_;
    bool committed_ = false;
};

// Writes `bytes` as the whole new content of `target` through a TSafeFileWriter; throws
// std::system_error when the file cannot be written, leaving the previous one intact.
void WriteFileWhole(const std::filesystem::path& target, std::string_view bytes);

}  // namespace zelpa
