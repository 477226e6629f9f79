// Code files far beyond the code list: a million short lines, and one line of 100 MB whose
// white space has to be removed before the code test.
#include "CodeFileReader.h"
#include "FolderItem.h"
#include "RegEx.h"
#include "WhiteSpace.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString WriteFile(const QString& name, const QByteArray& bytes)
{
    const QString path = folder().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

/// A code with blanks, a code, a rejected line and an empty line, in turn.
QString MillionLineFile()
{
    static const QString path = [] {
        QByteArray bytes;
        for (int i = 0; i < 250'000; ++i) {
            bytes += "4 1 1 0 0 0 0\n3100202\n3700000\n\n";
        }
        return WriteFile(u"million.txt"_s, bytes);
    }();
    return path;
}

/// A code followed by digits, with a blank every thousand characters.
QByteArray LineWithBlanks(qsizetype size)
{
    QByteArray line("3 1 0 0 2 0 2");
    line.reserve(size);
    while (line.size() < size) {
        line += line.size() % 1000 == 0 ? ' ' : '5';
    }
    return line;
}

void ReadMillionLines(benchmark::State& state)
{
    fw::FolderItem file(MillionLineFile());
    for (auto _ : state) {
        benchmark::DoNotOptimize(codes::ReadCodeFile(file).leftOut);
    }
}

void ReadHundredMegabyteLine(benchmark::State& state)
{
    static const QString path = WriteFile(u"long.txt"_s, LineWithBlanks(100 << 20));
    fw::FolderItem file(path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(codes::ReadCodeFile(file).codes.size());
    }
    state.SetBytesProcessed(state.iterations() * (100 << 20));
}

/// The white-space removal alone, on a line of 10 MB that is half blanks and tabs.
void RemoveWhiteSpaceFromTenMegabytes(benchmark::State& state)
{
    constexpr qsizetype size = 10 << 20;
    QString line;
    line.reserve(size);
    for (qsizetype i = 0; i < size; ++i) {
        line.append(i % 2 == 0 ? u'7' : (i % 3 == 0 ? u'\t' : u' '));
    }
    RegEx regEx;
    for (auto _ : state) {
        benchmark::DoNotOptimize(codes::RemoveWhiteSpace(regEx, line).size());
    }
    state.SetBytesProcessed(state.iterations() * size * 2);
}

BENCHMARK(ReadMillionLines)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadHundredMegabyteLine)->Unit(benchmark::kMillisecond);
BENCHMARK(RemoveWhiteSpaceFromTenMegabytes)->Unit(benchmark::kMillisecond);

} // namespace
