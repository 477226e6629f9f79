// Reading many short lines and one very long line: both should run at the same rate of
// bytes per second, which a read or scan repeated per line or per block would break.
#include "TextInputStream.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<fw::TextInputStream> StreamOver(const QByteArray& bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return std::make_unique<fw::TextInputStream>(std::move(buffer));
}

void ReadMillionShortLines(benchmark::State& state)
{
    const QByteArray bytes = QByteArray("3100202\n").repeated(1'000'000);
    for (auto _ : state) {
        const auto stream = StreamOver(bytes);
        qsizetype characters = 0;
        while (!stream->Eof()) {
            characters += stream->ReadLine().size();
        }
        benchmark::DoNotOptimize(characters);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void ReadOneLongLine(benchmark::State& state)
{
    const QByteArray bytes(64 << 20, '7');
    for (auto _ : state) {
        const auto stream = StreamOver(bytes);
        benchmark::DoNotOptimize(stream->ReadLine().size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

BENCHMARK(ReadMillionShortLines)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadOneLongLine)->Unit(benchmark::kMillisecond);

} // namespace
