#include "platform/ProgramFolder.h"

#include <QCoreApplication>

namespace platform {
namespace {
std::string& Override() {
    static std::string folder;
    return folder;
}
}  // namespace

std::string ProgramFolder() {
    if (!Override().empty())
        return Override();
    return QCoreApplication::applicationDirPath().toStdString() + '/';
}

void SetProgramFolderForTests(const std::string& folder) {
    Override() = folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

}  // namespace platform
