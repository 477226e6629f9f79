#pragma once

#include "TextInputStream.h"

#include <QBuffer>
#include <QStringList>

#include <memory>

/// A text stream over @p bytes in memory, reading @p blockSize bytes at a time when given.
inline std::unique_ptr<fw::TextInputStream> StreamOver(const QByteArray& bytes,
                                                       std::size_t blockSize = 0)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return blockSize == 0 ? std::make_unique<fw::TextInputStream>(std::move(buffer))
                          : std::make_unique<fw::TextInputStream>(std::move(buffer), blockSize);
}

/// Reads the way the program does: a line first, the end tested after it.
inline QStringList ReadAll(fw::TextInputStream& stream)
{
    QStringList lines;
    do {
        lines.append(stream.ReadLine());
    } while (!stream.Eof());
    return lines;
}
