#include "ReaderChecks.h"

#include "CodeFileReader.h"
#include "CodeList.h"
#include "FolderItem.h"
#include "LibraryReader.h"
#include "RegExEntrypoints.h"
#include "TextInputStream.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace fuzz {

namespace {

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

/// Every LF and every CR may end a line, and the last line needs none.
qsizetype MostLines(const QByteArray& bytes) { return bytes.count('\n') + bytes.count('\r') + 1; }

QString CheckCount(const QStringList& codes, qsizetype leftOut, const QByteArray& bytes)
{
    if (leftOut > 0 && codes.size() != codes::CodeListCapacity) {
        return u"%1 codes left out of a list of only %2"_s.arg(leftOut).arg(codes.size());
    }
    if (codes.size() + leftOut > MostLines(bytes)) {
        return u"%1 codes from at most %2 lines"_s.arg(codes.size() + leftOut)
            .arg(MostLines(bytes));
    }
    return {};
}

QStringList ReadLines(const QByteArray& bytes, std::size_t blockSize)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    fw::TextInputStream stream(std::move(buffer), blockSize);
    QStringList lines;
    do {
        lines.append(stream.ReadLine());
    } while (!stream.Eof());
    return lines;
}

QString Describe(const QString& line) { return QString::fromLatin1(line.toUtf8().toHex(' ')); }

} // namespace

void SetUpReaders()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "tamberlo_fuzz";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
    }
    BindRegExEntrypoints();
}

QString CheckCodeFile(const QString& folder, const QByteArray& bytes)
{
    static const QRegularExpression code(u"^[3-9][01][01][0-6][0-6][0-6][0-6]"_s);
    static const QRegularExpression whiteSpace(u"\\s"_s,
                                               QRegularExpression::UseUnicodePropertiesOption);
    const QString path = QDir(folder).filePath(u"codes.txt"_s);
    if (!Write(path, bytes)) {
        return u"cannot write "_s + path;
    }
    fw::FolderItem file(path);
    const codes::CodeFileLoad load = codes::ReadCodeFile(file);
    if (!load.error.isEmpty()) {
        return u"error on a readable file: "_s + load.error;
    }
    for (const QString& text : load.codes) {
        if (!text.isEmpty() && !code.match(text).hasMatch()) {
            return u"not a code: "_s + text;
        }
        if (text.contains(whiteSpace)) {
            return u"white space left in: "_s + text;
        }
    }
    return CheckCount(load.codes, load.leftOut, bytes);
}

QString CheckLibrary(const QString& folder, const QByteArray& bytes)
{
    static const QRegularExpression digits(u"^[0-9]*$"_s);
    if (!Write(QDir(folder).filePath(codes::LibraryFileName), bytes)) {
        return u"cannot write the library in "_s + folder;
    }
    const codes::LibraryLoad load = codes::ReadLibrary(fw::FolderItem(folder));
    if (!load.exists) {
        return u"the library file was not found"_s;
    }
    if (!load.error.isEmpty()) {
        return u"error on a readable file: "_s + load.error;
    }
    for (const QString& text : load.codes) {
        if (!digits.match(text).hasMatch()) {
            return u"not digits only: "_s + text;
        }
    }
    return CheckCount(load.codes, load.leftOut, bytes);
}

QString CheckTextStream(const QByteArray& bytes)
{
    const QStringList whole = ReadLines(bytes, static_cast<std::size_t>(bytes.size()) + 1);
    for (const QString& line : whole) {
        if (line.contains(u'\n') || line.contains(u'\r')) {
            return u"a line end inside the line "_s + Describe(line);
        }
    }
    if (whole.size() > MostLines(bytes)) {
        return u"%1 lines from at most %2"_s.arg(whole.size()).arg(MostLines(bytes));
    }
    for (std::size_t blockSize = 1; blockSize <= 8; ++blockSize) {
        const QStringList blocks = ReadLines(bytes, blockSize);
        if (blocks.size() != whole.size()) {
            return u"in blocks of %1 bytes, %2 lines instead of %3"_s.arg(blockSize)
                .arg(blocks.size())
                .arg(whole.size());
        }
        for (qsizetype i = 0; i < whole.size(); ++i) {
            if (blocks[i] != whole[i]) {
                return u"in blocks of %1 bytes, line %2 is %3 instead of %4"_s.arg(blockSize)
                    .arg(i + 1)
                    .arg(Describe(blocks[i]), Describe(whole[i]));
            }
        }
    }
    return {};
}

} // namespace fuzz
