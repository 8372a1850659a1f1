#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TTempFolder {
  public:
    TTempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zelpa-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot create a temporary folder";
        }
        FPath = pattern;
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return FPath / name; }
    const std::filesystem::path& Path() const { return FPath; }

  private:
    std::filesystem::path FPath;
};
