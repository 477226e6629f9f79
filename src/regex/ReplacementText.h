#pragma once

#include <QRegularExpressionMatch>
#include <QString>
#include <QStringView>

namespace regex {

/// @brief Appends replacementPattern expanded for match: "\0" to "\9" give the text of that
/// sub-expression ("" when it took no part or does not exist), "\\" one backslash; every
/// other character stands for itself.
void AppendReplacement(QString& out, QStringView replacementPattern,
                       const QRegularExpressionMatch& match);

/// @brief replacementPattern expanded for match, as AppendReplacement.
QString ExpandReplacement(QStringView replacementPattern, const QRegularExpressionMatch& match);

} // namespace regex
