#include "Utf16Text.h"

namespace regex {

namespace {

bool isPairAt(QStringView text, qsizetype i)
{
    return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
}

qsizetype utf8Bytes(char16_t unit)
{
    if (unit < 0x80) {
        return 1;
    }
    return unit < 0x800 ? 2 : 3;
}

} // namespace

QString WellFormedUtf16(const QString& text)
{
    const QStringView view(text);
    qsizetype i = 0;
    while (i < view.size()) {
        if (!view[i].isSurrogate()) {
            ++i;
        } else if (isPairAt(view, i)) {
            i += 2;
        } else {
            break;
        }
    }
    if (i == view.size()) {
        return text;
    }
    QString repaired = text;
    while (i < repaired.size()) {
        if (!repaired[i].isSurrogate()) {
            ++i;
        } else if (isPairAt(repaired, i)) {
            i += 2;
        } else {
            repaired[i] = QChar::ReplacementCharacter;
            ++i;
        }
    }
    return repaired;
}

qsizetype Utf8Length(QStringView text)
{
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isPairAt(text, i)) {
            bytes += 4;
            ++i;
        } else {
            bytes += utf8Bytes(text[i].unicode());
        }
    }
    return bytes;
}

std::optional<qsizetype> Utf16IndexOfUtf8Offset(QStringView text, qsizetype byteOffset)
{
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < text.size() && bytes < byteOffset) {
        if (isPairAt(text, i)) {
            bytes += 4;
            i += 2;
        } else {
            bytes += utf8Bytes(text[i].unicode());
            ++i;
        }
    }
    if (bytes < byteOffset) {
        return std::nullopt;
    }
    return i;
}

qsizetype CharacterLength(QStringView text, qsizetype index)
{
    return isPairAt(text, index) ? 2 : 1;
}

} // namespace regex
