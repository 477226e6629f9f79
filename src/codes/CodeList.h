#pragma once

#include <QString>
#include <QStringList>

namespace codes {

/// @brief How many codes the main window's code list holds (indices 0 to 10000).
inline constexpr qsizetype CodeListCapacity = 10001;

/// @brief Appends @p code to @p codes while there is room; beyond CodeListCapacity the code
/// is only counted in @p leftOut, so the user can be told how many did not fit.
void AppendCode(QStringList& codes, qsizetype& leftOut, const QString& code);

} // namespace codes
