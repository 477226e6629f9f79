#include "RegExMatch.h"

#include "RegExEntrypoints.h"

RegExMatch::RegExMatch() { BoundRegExEntry<RegExMatchHookFn>(RegExEntry::MatchInit)(*this); }

RegExMatch::~RegExMatch()
{
    if (auto* exit = BoundRegExEntryOrNull<RegExMatchHookFn>(RegExEntry::MatchExit)) {
        exit(*this);
    }
}

QString RegExMatch::Replace() const
{
    return BoundRegExEntry<RegExMatchReplaceFn>(RegExEntry::MatchReplace)(*this);
}

QString RegExMatch::Replace(const QString& replacementPattern) const
{
    return BoundRegExEntry<RegExMatchReplaceWithFn>(RegExEntry::MatchReplaceWith)(
        *this, replacementPattern);
}

QString RegExMatch::SubExpressionString(int matchNumber) const
{
    return BoundRegExEntry<RegExSubExpressionStringFn>(RegExEntry::SubExpressionString)(
        *this, matchNumber);
}

qsizetype RegExMatch::SubExpressionStartB(int matchNumber) const
{
    return BoundRegExEntry<RegExSubExpressionStartBFn>(RegExEntry::SubExpressionStartB)(
        *this, matchNumber);
}
