#include "RegEx.h"

#include "RegExEntrypoints.h"

RegEx::RegEx()
{
    BoundRegExEntry<RegExHookFn>(RegExEntry::RegExInit)(*this);
    options_ = std::make_shared<RegExOptions>();
}

RegEx::~RegEx()
{
    if (auto* exit = BoundRegExEntryOrNull<RegExHookFn>(RegExEntry::RegExExit)) {
        exit(*this);
    }
}

void RegEx::SearchPattern(const QString& pattern)
{
    BoundRegExEntry<RegExSearchPatternSetFn>(RegExEntry::SearchPatternSet)(*this, pattern);
    searchPattern_ = pattern;
}

void RegEx::Options(std::shared_ptr<RegExOptions> options)
{
    BoundRegExEntry<RegExOptionsSetFn>(RegExEntry::OptionsSet)(*this, options);
    options_ = std::move(options);
}

std::shared_ptr<RegExMatch> RegEx::Search(const QString& target)
{
    return BoundRegExEntry<RegExSearchFn>(RegExEntry::Search)(*this, target);
}

std::shared_ptr<RegExMatch> RegEx::Search(const QString& target, qsizetype searchStartPosition)
{
    return BoundRegExEntry<RegExSearchFromFn>(RegExEntry::SearchFrom)(*this, target,
                                                                      searchStartPosition);
}

std::shared_ptr<RegExMatch> RegEx::Search()
{
    return BoundRegExEntry<RegExSearchAgainFn>(RegExEntry::SearchAgain)(*this);
}

QString RegEx::Replace(const QString& target)
{
    return BoundRegExEntry<RegExReplaceFn>(RegExEntry::Replace)(*this, target);
}

QString RegEx::Replace(const QString& target, qsizetype searchStartPosition)
{
    return BoundRegExEntry<RegExReplaceFromFn>(RegExEntry::ReplaceFrom)(*this, target,
                                                                        searchStartPosition);
}

QString RegEx::Replace()
{
    return BoundRegExEntry<RegExReplaceAgainFn>(RegExEntry::ReplaceAgain)(*this);
}
