#pragma once

#include <QString>
#include <QStringList>

namespace fw {
class FolderItem;
}

namespace codes {

/// @brief The companion program's code library, a property list in the Preferences folder.
inline const QString LibraryFileName = QStringLiteral("Wendrix.plist");

/// @brief A library line holding this may hold a code.
inline const QString LibraryElementPattern = QStringLiteral("string");
/// @brief The code of such a line: its first run of digits and blanks between ">" and "<".
inline const QString LibraryCodePattern = QStringLiteral(">([0-9 ]+)<");

/// @brief What reading the code library gave.
struct LibraryLoad {
    /// True when the library file exists, also when it gives no code or cannot be read.
    bool exists = false;
    /// The codes in line order, at most CodeListCapacity; empty after an error.
    QStringList codes;
    /// Codes that did not fit after the first CodeListCapacity.
    qsizetype leftOut = 0;
    /// Empty when the file was read or does not exist; else which file failed, and why.
    QString error;
};

/// @brief Reads LibraryFileName in @p prefsFolder.
///
/// Every line holding LibraryElementPattern gives the run of LibraryCodePattern without its
/// white space and with no code-pattern test; such a line without a run is skipped. Yields
/// to the framework once per line. Needs the regular-expression component bound (else
/// RegExException).
LibraryLoad ReadLibrary(const fw::FolderItem& prefsFolder);

} // namespace codes
