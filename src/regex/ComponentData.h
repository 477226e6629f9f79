#pragma once

#include "PatternCache.h"

#include <QRegularExpression>
#include <QRegularExpressionMatch>
#include <QString>

// The component's own state behind the program's RegEx and RegExMatch objects.
namespace regex {

/// @brief State of one RegEx: its compiled pattern and where Search() goes on.
struct RegExData {
    PatternCache patterns;
    QRegularExpression compiled;
    /// The line-end type `compiled` was built for; -1 until the first compilation.
    int compiledLineEnd = -1;
    /// The last target, well-formed UTF-16.
    QString lastTarget;
    /// UTF-16 index in lastTarget where Search() and Replace() go on.
    qsizetype nextStart = 0;
};

/// @brief State of one RegExMatch.
struct MatchData {
    /// The target searched, well-formed UTF-16.
    QString subject;
    QRegularExpressionMatch match;
    /// The RegEx's replacement pattern at the time of the search.
    QString replacementPattern;
};

} // namespace regex
