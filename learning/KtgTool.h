#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

namespace zelpa {

// Exit statuses of ktgtool.
inline constexpr int kToolOk = 0;
inline constexpr int kToolFailed = 1;
inline constexpr int kToolBadArguments = 2;

// Runs one ktgtool command line (the arguments after the program name) with the given standard
// streams; returns the exit status. Errors are one line on `err`.
int RunKtgTool(std::span<const std::string> arguments, std::istream& in, std::ostream& out,
               std::ostream& err);

}  // namespace zelpa
