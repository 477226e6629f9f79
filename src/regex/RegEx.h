#pragma once

#include "RegExMatch.h"
#include "RegExOptions.h"

#include <QString>

#include <memory>

namespace regex {
struct RegExData;
}

/// @brief A regular expression with its replacement text and options.
///
/// Every operation runs the entry bound in the plug-in entry-point table and throws
/// RegExException when that entry is empty. Search and Replace remember their target;
/// Search() and Replace() go on in it after the last match.
class RegEx {
  public:
    /// Runs "RegEx.__init" and makes default options.
    RegEx();
    ~RegEx();
    RegEx(const RegEx&) = delete;
    RegEx& operator=(const RegEx&) = delete;

    const QString& SearchPattern() const { return searchPattern_; }
    /// Compiles the pattern; throws RegExSearchPatternException when it is invalid, and
    /// then the previous pattern stays.
    void SearchPattern(const QString& pattern);

    const QString& ReplacementPattern() const { return replacementPattern_; }
    /// The text that Replace puts in place of a match; "\0" to "\9" stand for the
    /// sub-expressions, "\\" for one backslash.
    void ReplacementPattern(const QString& replacement) { replacementPattern_ = replacement; }

    /// Shared: changing the options object changes the next search.
    const std::shared_ptr<RegExOptions>& Options() const { return options_; }
    /// Throws RegExException for nullptr.
    void Options(std::shared_ptr<RegExOptions> options);

    /// The leftmost match in target, or nullptr.
    std::shared_ptr<RegExMatch> Search(const QString& target);
    /// The leftmost match at or after searchStartPosition, a byte offset into the target's
    /// UTF-8 form; nullptr when there is none or the offset lies beyond the end.
    std::shared_ptr<RegExMatch> Search(const QString& target, qsizetype searchStartPosition);
    /// The next match in the last target after the last match; after a failed search it
    /// starts again at the beginning.
    std::shared_ptr<RegExMatch> Search();

    /// target with every match replaced.
    QString Replace(const QString& target);
    /// target with every match at or after searchStartPosition (UTF-8 bytes) replaced.
    QString Replace(const QString& target, qsizetype searchStartPosition);
    /// The last target with every match from where Search() would go on replaced.
    QString Replace();

    /// The component's state of this object.
    regex::RegExData* ComponentData() const { return data_.get(); }
    void SetComponentData(std::shared_ptr<regex::RegExData> data) { data_ = std::move(data); }

  private:
    QString searchPattern_;
    QString replacementPattern_;
    std::shared_ptr<RegExOptions> options_;
    std::shared_ptr<regex::RegExData> data_;
};
