#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace platform {
namespace {
SaveFileAnswer& TestAnswer() {
    static SaveFileAnswer answer;
    return answer;
}

// "テキストファイル(*.txt)|*.txt" becomes the name filter "テキストファイル(*.txt) (*.txt)".
QStringList NameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return filters;
}
}  // namespace

std::optional<QString> SaveFileName(QWidget* parent, const QString& filter) {
    if (TestAnswer())
        return TestAnswer()(filter);
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(NameFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void SetSaveFileAnswerForTests(SaveFileAnswer answer) {
    TestAnswer() = std::move(answer);
}

}  // namespace platform
