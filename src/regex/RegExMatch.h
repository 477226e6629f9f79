#pragma once

#include <QString>

#include <memory>

namespace regex {
struct MatchData;
}

/// @brief One match of a RegEx search; every operation runs the bound component entry.
class RegExMatch {
  public:
    /// Runs "RegExMatch.__init": a match of nothing, with no sub-expressions.
    RegExMatch();
    ~RegExMatch();
    RegExMatch(const RegExMatch&) = delete;
    RegExMatch& operator=(const RegExMatch&) = delete;

    /// The RegEx's replacement pattern at the time of the search, expanded for this match.
    QString Replace() const;
    /// replacementPattern expanded for this match: "\0" to "\9" stand for the
    /// sub-expressions, "\\" for one backslash.
    QString Replace(const QString& replacementPattern) const;
    /// The text of sub-expression n (0 the whole match); "" when it took no part.
    /// Throws RegExException when the pattern has no sub-expression n.
    QString SubExpressionString(int matchNumber) const;
    /// Where sub-expression n starts, in bytes of the target's UTF-8 form; -1 when it
    /// took no part. Throws RegExException when the pattern has no sub-expression n.
    qsizetype SubExpressionStartB(int matchNumber) const;

    /// The component's state of this match.
    regex::MatchData* ComponentData() const { return data_.get(); }
    void SetComponentData(std::shared_ptr<regex::MatchData> data) { data_ = std::move(data); }

  private:
    std::shared_ptr<regex::MatchData> data_;
};
