#pragma once

#include <QString>
#include <string_view>

namespace platform {

// Writes `bytes` as the whole content of the file: into a temporary file beside it that replaces
// it only once complete, so a failed save leaves the old file as it was. Throws std::system_error
// naming the file when it cannot be written.
void SaveFileWhole(const QString& fileName, std::string_view bytes);

}  // namespace platform
