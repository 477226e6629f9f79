#pragma once

#include "PluginEntrypoints.h"

#include <QString>

#include <array>
#include <memory>
#include <string_view>

class RegEx;
class RegExMatch;
class RegExOptions;

/// @brief The regular-expression component's operations, by their slot in the plug-in
/// entry-point table.
enum class RegExEntry : int {
    RegExInit,
    RegExExit,
    Search,
    SearchFrom,
    SearchAgain,
    Replace,
    ReplaceFrom,
    ReplaceAgain,
    SearchPatternSet,
    OptionsSet,
    OptionsInit,
    OptionsExit,
    LineEndTypeSet,
    MatchInit,
    MatchExit,
    MatchReplace,
    MatchReplaceWith,
    SubExpressionString,
    SubExpressionStartB,
};

inline constexpr int RegExEntryCount = 19;

/// @brief The signature by which start-up looks up each slot, in slot order.
inline constexpr std::array<std::string_view, RegExEntryCount> RegExEntrySignatures = {
    "RegEx.__init",
    "RegEx.__exit",
    "RegEx.Search(TargetString as String) as RegExMatch",
    "RegEx.Search(TargetString as String, SearchStartPosition as Integer) as RegExMatch",
    "RegEx.Search() as RegExMatch",
    "RegEx.Replace(TargetString as String) as String",
    "RegEx.Replace(TargetString as String, SearchStartPosition as Integer) as String",
    "RegEx.Replace() as String",
    "RegEx.SearchPattern.Set",
    "RegEx.Options.Set",
    "RegExOptions.__init",
    "RegExOptions.__exit",
    "RegExOptions.LineEndType.Set",
    "RegExMatch.__init",
    "RegExMatch.__exit",
    "RegExMatch.Replace() as String",
    "RegExMatch.Replace(ReplacementPattern as string) as String",
    "RegExMatch.SubExpressionString(MatchNumber as Integer) as String",
    "RegExMatch.SubExpressionStartB(MatchNumber as Integer) as Integer",
};

/// @brief Replaces the process's entry-point table with one of RegExEntryCount slots, slot i
/// holding what the look-up returns for the i-th signature, stored without a test; returns
/// the table.
PluginEntrypoints& BindRegExEntrypoints();

// The function type of each slot; the component exports exactly these.
using RegExHookFn = void(RegEx&);
using RegExSearchFn = std::shared_ptr<RegExMatch>(RegEx&, const QString&);
using RegExSearchFromFn = std::shared_ptr<RegExMatch>(RegEx&, const QString&, qsizetype);
using RegExSearchAgainFn = std::shared_ptr<RegExMatch>(RegEx&);
using RegExReplaceFn = QString(RegEx&, const QString&);
using RegExReplaceFromFn = QString(RegEx&, const QString&, qsizetype);
using RegExReplaceAgainFn = QString(RegEx&);
using RegExSearchPatternSetFn = void(RegEx&, const QString&);
using RegExOptionsSetFn = void(RegEx&, const std::shared_ptr<RegExOptions>&);
using RegExOptionsHookFn = void(RegExOptions&);
using RegExLineEndTypeSetFn = void(RegExOptions&, int);
using RegExMatchHookFn = void(RegExMatch&);
using RegExMatchReplaceFn = QString(const RegExMatch&);
using RegExMatchReplaceWithFn = QString(const RegExMatch&, const QString&);
using RegExSubExpressionStringFn = QString(const RegExMatch&, int);
using RegExSubExpressionStartBFn = qsizetype(const RegExMatch&, int);

/// @brief Throws the RegExException for a slot that is empty or holds another shape.
[[noreturn]] void ThrowUnboundRegExEntry(RegExEntry entry);

/// @brief The bound function of a slot; throws RegExException when there is none.
template <typename Fn> Fn* BoundRegExEntry(RegExEntry entry)
{
    Fn* function = PluginEntrypointsTable().Get(static_cast<int>(entry)).As<Fn>();
    if (function == nullptr) {
        ThrowUnboundRegExEntry(entry);
    }
    return function;
}

/// @brief The bound function of a slot, or nullptr; for destructors, which cannot throw.
template <typename Fn> Fn* BoundRegExEntryOrNull(RegExEntry entry) noexcept
{
    return PluginEntrypointsTable().Get(static_cast<int>(entry)).As<Fn>();
}
