#pragma once

#include <QRegularExpression>
#include <QString>

#include <vector>

namespace regex {

/// @brief The compiled patterns of one RegEx, most recently used first.
///
/// Readers switch one RegEx between a few constant patterns on every line, so each
/// pattern is compiled once rather than on every switch.
class PatternCache {
  public:
    /// The pattern compiled for the line-end type (a RegExOptions::LineEnd), case-sensitive
    /// and with Unicode properties, so that "\s" also matches Unicode white space.
    /// Throws RegExSearchPatternException when the pattern is invalid.
    /// The reference stays valid until the next call.
    const QRegularExpression& Compiled(const QString& pattern, int lineEndType);

  private:
    struct Entry {
        QString pattern;
        int lineEndType;
        QRegularExpression compiled;
        /// When the entry was last used; the least recent makes room for a new pattern.
        unsigned long long lastUse;
    };

    static constexpr std::size_t Capacity = 8;

    std::vector<Entry> entries_;
    unsigned long long uses_ = 0;
};

} // namespace regex
