#pragma once

#include <QString>

/// @brief Tells the user in a message box that a code file or the code
/// library could not be read; @p error names the file and the reason.
void ReportUnreadableFile(const QString& error);

/// @brief Tells the user that @p leftOut codes of @p source did not fit in the code list,
/// which holds the first 10001.
void ReportCodesLeftOut(const QString& source, qsizetype leftOut);
