#include "platform/SaveFile.h"

#include <QSaveFile>
#include <system_error>

namespace platform {

void SaveFileWhole(const QString& fileName, std::string_view bytes) {
    QSaveFile file(fileName);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                           static_cast<qint64>(bytes.size()) &&
                       file.commit();
    if (!saved)
        throw std::system_error(std::make_error_code(std::errc::io_error),
                                (QStringLiteral("ファイルに保存できません: %1 (%2)")
                                     .arg(fileName, file.errorString()))
                                    .toStdString());
}

}  // namespace platform
