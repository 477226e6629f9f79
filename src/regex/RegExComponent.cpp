#include "RegExComponent.h"

#include "ComponentData.h"
#include "RegEx.h"
#include "RegExEntrypoints.h"
#include "RegExException.h"
#include "ReplacementText.h"
#include "Utf16Text.h"

#include <array>
#include <string>

namespace regex {

namespace {

RegExData& dataOf(const RegEx& regEx)
{
    RegExData* data = regEx.ComponentData();
    if (data == nullptr) {
        throw RegExException("RegEx object without component state");
    }
    return *data;
}

MatchData& dataOf(const RegExMatch& match)
{
    MatchData* data = match.ComponentData();
    if (data == nullptr) {
        throw RegExException("RegExMatch object without component state");
    }
    return *data;
}

// The compiled search pattern, rebuilt when the options' line-end type has changed since.
const QRegularExpression& currentPattern(const RegEx& regEx, RegExData& data)
{
    const int lineEnd = regEx.Options()->LineEndType();
    if (data.compiledLineEnd != lineEnd) {
        data.compiled = data.patterns.Compiled(regEx.SearchPattern(), lineEnd);
        data.compiledLineEnd = lineEnd;
    }
    return data.compiled;
}

void checkStartPosition(qsizetype searchStartPosition)
{
    if (searchStartPosition < 0) {
        throw RegExException("negative search start position " +
                             std::to_string(searchStartPosition));
    }
}

// Searches the last target from a UTF-16 index. An empty match moves the next search one
// character on, so that repeated searches always end.
std::shared_ptr<RegExMatch> matchFrom(const RegEx& regEx, RegExData& data, qsizetype index)
{
    const QRegularExpression& pattern = currentPattern(regEx, data);
    if (index > data.lastTarget.size()) {
        data.nextStart = 0;
        return nullptr;
    }
    QRegularExpressionMatch found =
        pattern.match(data.lastTarget, index, QRegularExpression::NormalMatch,
                      QRegularExpression::DontCheckSubjectStringMatchOption);
    if (!found.hasMatch()) {
        data.nextStart = 0;
        return nullptr;
    }
    const qsizetype end = found.capturedEnd(0);
    data.nextStart =
        found.capturedLength(0) > 0 ? end : end + CharacterLength(data.lastTarget, end);

    auto match = std::make_shared<RegExMatch>();
    MatchData& matchData = dataOf(*match);
    matchData.subject = data.lastTarget;
    matchData.match = std::move(found);
    matchData.replacementPattern = regEx.ReplacementPattern();
    return match;
}

// The last target with every match from a UTF-16 index on replaced, in one pass.
QString replaceFrom(const RegEx& regEx, RegExData& data, qsizetype index)
{
    const QString& target = data.lastTarget;
    const QRegularExpression& pattern = currentPattern(regEx, data);
    if (index > target.size()) {
        return target;
    }
    QRegularExpressionMatchIterator matches =
        pattern.globalMatch(target, index, QRegularExpression::NormalMatch,
                            QRegularExpression::DontCheckSubjectStringMatchOption);
    if (!matches.hasNext()) {
        return target;
    }
    const QStringView text(target);
    const QString& replacement = regEx.ReplacementPattern();
    QString result;
    result.reserve(target.size());
    qsizetype copied = 0;
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        result.append(text.sliced(copied, match.capturedStart(0) - copied));
        AppendReplacement(result, replacement, match);
        copied = match.capturedEnd(0);
    }
    result.append(text.sliced(copied));
    return result;
}

void checkSubExpression(const MatchData& data, int matchNumber)
{
    if (!data.match.hasMatch() || matchNumber < 0 ||
        matchNumber > data.match.regularExpression().captureCount()) {
        throw RegExException("the match has no sub-expression " + std::to_string(matchNumber));
    }
}

// --- The exported operations, one per signature. ---

void regExInit(RegEx& regEx) { regEx.SetComponentData(std::make_shared<RegExData>()); }

void regExExit(RegEx& regEx) { regEx.SetComponentData(nullptr); }

std::shared_ptr<RegExMatch> search(RegEx& regEx, const QString& target)
{
    RegExData& data = dataOf(regEx);
    data.lastTarget = WellFormedUtf16(target);
    return matchFrom(regEx, data, 0);
}

std::shared_ptr<RegExMatch> searchFrom(RegEx& regEx, const QString& target,
                                       qsizetype searchStartPosition)
{
    checkStartPosition(searchStartPosition);
    RegExData& data = dataOf(regEx);
    data.lastTarget = WellFormedUtf16(target);
    const auto index = Utf16IndexOfUtf8Offset(data.lastTarget, searchStartPosition);
    return matchFrom(regEx, data, index.value_or(data.lastTarget.size() + 1));
}

std::shared_ptr<RegExMatch> searchAgain(RegEx& regEx)
{
    RegExData& data = dataOf(regEx);
    return matchFrom(regEx, data, data.nextStart);
}

QString replace(RegEx& regEx, const QString& target)
{
    RegExData& data = dataOf(regEx);
    data.lastTarget = WellFormedUtf16(target);
    data.nextStart = 0;
    return replaceFrom(regEx, data, 0);
}

QString replaceFromPosition(RegEx& regEx, const QString& target, qsizetype searchStartPosition)
{
    checkStartPosition(searchStartPosition);
    RegExData& data = dataOf(regEx);
    data.lastTarget = WellFormedUtf16(target);
    const auto index = Utf16IndexOfUtf8Offset(data.lastTarget, searchStartPosition);
    data.nextStart = index.value_or(data.lastTarget.size() + 1);
    return replaceFrom(regEx, data, data.nextStart);
}

QString replaceAgain(RegEx& regEx)
{
    RegExData& data = dataOf(regEx);
    return replaceFrom(regEx, data, data.nextStart);
}

void searchPatternSet(RegEx& regEx, const QString& pattern)
{
    RegExData& data = dataOf(regEx);
    const int lineEnd = regEx.Options()->LineEndType();
    data.compiled = data.patterns.Compiled(pattern, lineEnd);
    data.compiledLineEnd = lineEnd;
}

void optionsSet(RegEx&, const std::shared_ptr<RegExOptions>& options)
{
    if (!options) {
        throw RegExException("RegEx.Options cannot be set to nothing");
    }
}

// Options keep no state of the component's own: their one value lives in the object.
void optionsInit(RegExOptions&) {}

void optionsExit(RegExOptions&) {}

void lineEndTypeSet(RegExOptions&, int type)
{
    if (type < RegExOptions::AnyLineEnd || type > RegExOptions::CRLFLineEnd) {
        throw RegExException("unknown line-end type " + std::to_string(type));
    }
}

void matchInit(RegExMatch& match) { match.SetComponentData(std::make_shared<MatchData>()); }

void matchExit(RegExMatch& match) { match.SetComponentData(nullptr); }

QString matchReplace(const RegExMatch& match)
{
    const MatchData& data = dataOf(match);
    return ExpandReplacement(data.replacementPattern, data.match);
}

QString matchReplaceWith(const RegExMatch& match, const QString& replacementPattern)
{
    return ExpandReplacement(replacementPattern, dataOf(match).match);
}

QString subExpressionString(const RegExMatch& match, int matchNumber)
{
    const MatchData& data = dataOf(match);
    checkSubExpression(data, matchNumber);
    return data.match.captured(matchNumber);
}

qsizetype subExpressionStartB(const RegExMatch& match, int matchNumber)
{
    const MatchData& data = dataOf(match);
    checkSubExpression(data, matchNumber);
    const qsizetype start = data.match.capturedStart(matchNumber);
    return start < 0 ? -1 : Utf8Length(QStringView(data.subject).first(start));
}

struct Export {
    std::string_view signature;
    PluginEntrypoint entry;
};

// The explicit type makes the build fail when a function does not fit its slot.
template <typename Fn> PluginEntrypoint exported(Fn* function)
{
    return PluginEntrypoint(function);
}

const std::array<Export, RegExEntryCount>& exports()
{
    static const std::array<Export, RegExEntryCount> table = {{
        {"RegEx.__init", exported<RegExHookFn>(regExInit)},
        {"RegEx.__exit", exported<RegExHookFn>(regExExit)},
        {"RegEx.Search(TargetString as String) as RegExMatch", exported<RegExSearchFn>(search)},
        {"RegEx.Search(TargetString as String, SearchStartPosition as Integer) as RegExMatch",
         exported<RegExSearchFromFn>(searchFrom)},
        {"RegEx.Search() as RegExMatch", exported<RegExSearchAgainFn>(searchAgain)},
        {"RegEx.Replace(TargetString as String) as String", exported<RegExReplaceFn>(replace)},
        {"RegEx.Replace(TargetString as String, SearchStartPosition as Integer) as String",
         exported<RegExReplaceFromFn>(replaceFromPosition)},
        {"RegEx.Replace() as String", exported<RegExReplaceAgainFn>(replaceAgain)},
        {"RegEx.SearchPattern.Set", exported<RegExSearchPatternSetFn>(searchPatternSet)},
        {"RegEx.Options.Set", exported<RegExOptionsSetFn>(optionsSet)},
        {"RegExOptions.__init", exported<RegExOptionsHookFn>(optionsInit)},
        {"RegExOptions.__exit", exported<RegExOptionsHookFn>(optionsExit)},
        {"RegExOptions.LineEndType.Set", exported<RegExLineEndTypeSetFn>(lineEndTypeSet)},
        {"RegExMatch.__init", exported<RegExMatchHookFn>(matchInit)},
        {"RegExMatch.__exit", exported<RegExMatchHookFn>(matchExit)},
        {"RegExMatch.Replace() as String", exported<RegExMatchReplaceFn>(matchReplace)},
        {"RegExMatch.Replace(ReplacementPattern as string) as String",
         exported<RegExMatchReplaceWithFn>(matchReplaceWith)},
        {"RegExMatch.SubExpressionString(MatchNumber as Integer) as String",
         exported<RegExSubExpressionStringFn>(subExpressionString)},
        {"RegExMatch.SubExpressionStartB(MatchNumber as Integer) as Integer",
         exported<RegExSubExpressionStartBFn>(subExpressionStartB)},
    }};
    return table;
}

} // namespace

PluginEntrypoint LookupEntrypoint(std::string_view signature)
{
    for (const Export& item : exports()) {
        if (item.signature == signature) {
            return item.entry;
        }
    }
    return {};
}

} // namespace regex
