#pragma once

#include <QString>

class RegEx;

namespace codes {

/// @brief @p text without the characters that "\s" matches (Unicode white space).
///
/// Sets @p regEx's search pattern to "\s" and its replacement to "", then replaces until a
/// search finds nothing; yields to the framework once per replacement.
QString RemoveWhiteSpace(RegEx& regEx, QString text);

} // namespace codes
