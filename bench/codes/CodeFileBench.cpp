// Loading a full code file through the reader, against a plain loop that reads the same
// lines and does the same white-space removal and code test with QRegularExpression.
#include "CodeFileReader.h"
#include "CodeList.h"
#include "FolderItem.h"
#include "RegExEntrypoints.h"
#include "TextInputStream.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

/// A code file filling the code list: mostly plain codes, some with blanks, some rejected.
QString WriteFullCodeFile(const QTemporaryDir& folder)
{
    static const QByteArray kinds[] = {"3100202", "4 1 1 2 2 0 0",       "5000000", "61100000",
                                       "9999999", "3\t1\t0\t0\t2\t0\t2", "7011111", ""};
    QByteArray bytes;
    for (qsizetype i = 0; i < codes::CodeListCapacity; ++i) {
        bytes += kinds[i % std::size(kinds)];
        bytes += '\n';
    }
    const QString path = folder.filePath(u"codes.txt"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

void ReadCodeFile(benchmark::State& state)
{
    QTemporaryDir folder;
    fw::FolderItem file(WriteFullCodeFile(folder));
    for (auto _ : state) {
        const codes::CodeFileLoad load = codes::ReadCodeFile(file);
        benchmark::DoNotOptimize(load.codes.size());
    }
}

void PlainLoop(benchmark::State& state)
{
    QTemporaryDir folder;
    fw::FolderItem file(WriteFullCodeFile(folder));
    const QRegularExpression whiteSpace(u"\\s"_s, QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpression code(u"^[3-9][01][01][0-6][0-6][0-6][0-6][0-9]?[0-9]?"_s,
                                  QRegularExpression::UseUnicodePropertiesOption);
    for (auto _ : state) {
        QStringList codes;
        const auto stream = file.OpenAsTextFile();
        do {
            QString line = stream->ReadLine();
            line.remove(whiteSpace);
            if (line.isEmpty() || code.match(line).hasMatch()) {
                codes.append(line);
            }
        } while (!stream->Eof());
        benchmark::DoNotOptimize(codes.size());
    }
}

BENCHMARK(ReadCodeFile)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainLoop)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The reader's yields run as in the program, with an application object.
    QCoreApplication application(argc, argv);
    // Bound once for every benchmark of this program, as start-up does.
    BindRegExEntrypoints();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
