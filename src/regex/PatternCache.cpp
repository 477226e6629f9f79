#include "PatternCache.h"

#include "RegExOptions.h"
#include "RegExSearchPatternException.h"

#include <algorithm>

namespace regex {

namespace {

// PCRE2 takes the newline convention as a verb at the very start of the pattern.
QString lineEndVerb(int lineEndType)
{
    switch (lineEndType) {
    case RegExOptions::CRLineEnd:
        return QStringLiteral("(*CR)");
    case RegExOptions::LFLineEnd:
        return QStringLiteral("(*LF)");
    case RegExOptions::CRLFLineEnd:
        return QStringLiteral("(*CRLF)");
    default:
        return QStringLiteral("(*ANY)");
    }
}

QRegularExpression compile(const QString& pattern, int lineEndType)
{
    const QString verb = lineEndVerb(lineEndType);
    QRegularExpression compiled(verb + pattern, QRegularExpression::UseUnicodePropertiesOption);
    if (!compiled.isValid()) {
        const qsizetype offset =
            std::max<qsizetype>(0, compiled.patternErrorOffset() - verb.size());
        throw RegExSearchPatternException(pattern, compiled.errorString(), offset);
    }
    return compiled;
}

} // namespace

QRegularExpression PatternCache::Compiled(const QString& pattern, int lineEndType)
{
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.lineEndType == lineEndType && entry.pattern == pattern;
    });
    if (found != entries_.end()) {
        std::rotate(entries_.begin(), found, found + 1);
        return entries_.front().compiled;
    }
    Entry entry{pattern, lineEndType, compile(pattern, lineEndType)};
    if (entries_.size() == Capacity) {
        entries_.pop_back();
    }
    entries_.insert(entries_.begin(), std::move(entry));
    return entries_.front().compiled;
}

} // namespace regex
