#pragma once

#include <QString>

class QWidget;

namespace fw {

/// @brief Shows a modal message box with one OK button over @p parent (by default the
/// active window), through DialogSeam::message when a test answers it. Used for the
/// program's own notices, not for exception reports.
void MsgBox(const QString& title, const QString& text, QWidget* parent = nullptr);

} // namespace fw
