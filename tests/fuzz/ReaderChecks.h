#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

/// @brief Binds the regular-expression component as start-up does and makes a core
/// application, so that the readers run as in the program; once per process.
void SetUpReaders();

/// @brief Writes @p bytes as a code file in @p folder and reads it with codes::ReadCodeFile.
/// @return What is wrong with the result, or "" when nothing is: a readable file must give
/// no error, at most one code per line, and only codes without white space that are empty
/// or begin with a glycan code.
QString CheckCodeFile(const QString& folder, const QByteArray& bytes);

/// @brief Writes @p bytes as the library file in @p folder and reads it with
/// codes::ReadLibrary. @return What is wrong with the result, or "": the file must count as
/// existing, give no error, at most one code per line, and only codes of digits.
QString CheckLibrary(const QString& folder, const QByteArray& bytes);

/// @brief Reads @p bytes with fw::TextInputStream in blocks of every size from 1 to 8 bytes.
/// @return What is wrong, or "" when nothing is: each reading must give the lines that one
/// block gives, no line may hold a line end, and there are at most as many lines as CR and
/// LF bytes plus one.
QString CheckTextStream(const QByteArray& bytes);

} // namespace fuzz
