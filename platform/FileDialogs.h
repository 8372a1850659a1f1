#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace platform {

// The file-save dialog. `filter` is written "description|pattern" (several pairs joined by '|').
// The name is taken as typed: no extension is added and an existing file is replaced without a
// question. Returns nothing when the user cancels.
std::optional<QString> SaveFileName(QWidget* parent, const QString& filter);

// Tests answer the dialog instead of the user; an empty function restores the real dialog.
using SaveFileAnswer = std::function<std::optional<QString>(const QString& filter)>;
void SetSaveFileAnswerForTests(SaveFileAnswer answer);

}  // namespace platform
