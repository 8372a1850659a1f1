#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "platform/ProgramFolder.h"

// A temporary program folder for one test, so settings and saved files never touch the real one.
// With `withPairTable` it holds a copy of the built EUC-KR pair table.
class TTestProgramFolder {
  public:
    explicit TTestProgramFolder(bool withPairTable = true) {
        if (withPairTable)
            QFile::copy(QStringLiteral(ZELPA_BIN_DIR "/euc2uni.dll"),
                        FDir.filePath(QStringLiteral("euc2uni.dll")));
        platform::SetProgramFolderForTests(Path());
    }
    ~TTestProgramFolder() { platform::SetProgramFolderForTests({}); }
    TTestProgramFolder(const TTestProgramFolder&) = delete;
    TTestProgramFolder& operator=(const TTestProgramFolder&) = delete;

    std::string Path() const { return FDir.path().toStdString() + '/'; }
    QString File(const QString& name) const { return FDir.filePath(name); }

  private:
    QTemporaryDir FDir;
};
