#pragma once

#include <string>

namespace platform {

// The folder of the running executable, ending with '/'. Every file the programs read or write by
// themselves lies there (or, for materials, below it).
std::string ProgramFolder();

// Tests point the program folder at a temporary folder; an empty path restores the real one.
void SetProgramFolderForTests(const std::string& folder);

}  // namespace platform
