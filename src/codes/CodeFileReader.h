#pragma once

#include <QString>
#include <QStringList>

namespace fw {
class FolderItem;
}

namespace codes {

/// @brief What reading a code file gave.
struct CodeFileLoad {
    /// Accepted codes in file order, at most CodeListCapacity; empty after an error.
    QStringList codes;
    /// Accepted codes that did not fit after the first CodeListCapacity.
    qsizetype leftOut = 0;
    /// The file's name, for the window title.
    QString fileName;
    /// Empty when the file was read; else which file could not be opened or read, and why.
    QString error;
};

/// @brief What a line of a code file, without its white space, has to begin with.
///
/// Anchored at the start only: whatever follows the first seven characters is allowed.
inline const QString CodePattern = QStringLiteral("^[3-9][01][01][0-6][0-6][0-6][0-6][0-9]?[0-9]?");

/// @brief Reads a code file: one glycan code per line.
///
/// Each line loses its white space; it is accepted when it is then empty or begins with a
/// code (CodePattern) and is kept whole. The end is tested after each line, so an empty file
/// gives one empty code. Yields to the framework once per line. Needs the regular-expression
/// component bound (else RegExException).
CodeFileLoad ReadCodeFile(fw::FolderItem& file);

} // namespace codes
