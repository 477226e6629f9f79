#pragma once

#include <QString>

namespace fw {

/// @brief Shows a modal message box with one OK button, through DialogSeam::message when a
/// test answers it. Used for the program's own notices, not for exception reports.
void MsgBox(const QString& title, const QString& text);

} // namespace fw
