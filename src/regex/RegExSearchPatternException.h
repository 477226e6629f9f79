#pragma once

#include "RegExException.h"

#include <QString>

/// @brief A search pattern that does not compile.
class RegExSearchPatternException : public RegExException {
  public:
    RegExSearchPatternException(const QString& pattern, const QString& error, qsizetype offset)
        : RegExException(QStringLiteral("invalid search pattern \"%1\" at offset %2: %3")
                             .arg(pattern, QString::number(offset), error)
                             .toStdString()),
          pattern_(pattern), offset_(offset)
    {
    }

    /// The pattern as it was given.
    const QString& Pattern() const { return pattern_; }
    /// Where in the pattern compilation failed, in UTF-16 code units.
    qsizetype Offset() const { return offset_; }

  private:
    QString pattern_;
    qsizetype offset_;
};
