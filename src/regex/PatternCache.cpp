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

const QRegularExpression& PatternCache::Compiled(const QString& pattern, int lineEndType)
{
    ++uses_;
    for (Entry& entry : entries_) {
        if (entry.lineEndType == lineEndType && entry.pattern == pattern) {
            entry.lastUse = uses_;
            return entry.compiled;
        }
    }
    Entry entry{pattern, lineEndType, compile(pattern, lineEndType), uses_};
    if (entries_.size() < Capacity) {
        entries_.push_back(std::move(entry));
        return entries_.back().compiled;
    }
    const auto oldest =
        std::min_element(entries_.begin(), entries_.end(),
                         [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    *oldest = std::move(entry);
    return oldest->compiled;
}

} // namespace regex
