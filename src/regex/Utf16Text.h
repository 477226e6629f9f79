#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Conversions between a QString's UTF-16 indices and byte offsets in its UTF-8 form.
namespace regex {

/// @brief text with every unpaired surrogate replaced by U+FFFD, which keeps every index;
/// text itself, shared, when it is already well-formed.
///
/// Matching a well-formed subject needs no further check, so a target is checked once
/// however often it is searched.
QString WellFormedUtf16(const QString& text);

/// @brief Length of text's UTF-8 form in bytes; text must be well-formed.
qsizetype Utf8Length(QStringView text);

/// @brief The index of the character that starts at byteOffset in text's UTF-8 form, or of
/// the next one when the offset falls inside a character; text.size() for the end;
/// nullopt beyond the end. byteOffset must not be negative.
std::optional<qsizetype> Utf16IndexOfUtf8Offset(QStringView text, qsizetype byteOffset);

/// @brief Code units of the character at index (2 for a surrogate pair), 1 at the end.
qsizetype CharacterLength(QStringView text, qsizetype index);

} // namespace regex
