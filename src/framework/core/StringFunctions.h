#pragma once

#include <QString>

namespace fw {

/// @brief The number at the start of @p s: optional leading blanks, a sign, digits with an
/// optional decimal point and an optional exponent. Anything after it is ignored; a string
/// that does not start with a number (the empty string too) gives 0.
double Val(const QString& s);

/// @brief @p length characters of @p s from the 1-based position @p start; a negative
/// length takes the rest of the string. A start past the end gives "", a start below 1
/// counts from the first character.
QString Mid(const QString& s, int start, int length = -1);

} // namespace fw
