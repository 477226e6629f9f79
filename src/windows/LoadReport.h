#pragma once

#include <QString>

namespace fw {
class Window;
}

/// @brief Tells the user in a message box over @p window that a code file or the code
/// library could not be read; @p error names the file and the reason. A report from the
/// window's first load comes once the window is on the screen (fw::Window::ShowMessage).
void ReportUnreadableFile(fw::Window& window, const QString& error);

/// @brief The same, at once: for a report that another dialog follows, which must not come
/// first.
void ReportUnreadableFileNow(const QString& error);

/// @brief Tells the user over @p window that @p leftOut codes of @p source did not fit in the
/// code list, which holds the first 10001.
void ReportCodesLeftOut(fw::Window& window, const QString& source, qsizetype leftOut);
