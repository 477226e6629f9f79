// A text of a hundred million characters drawn on a small image: only what can show is
// laid out, so it costs about as much as a short text.
#include "QPainterGraphics.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <string>

namespace {

void DrawText(benchmark::State& state)
{
    const std::string text(static_cast<std::size_t>(state.range(0)), '7');
    QImage image(100, 100, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        fw::QPainterGraphics g(painter);
        g.DrawString(text, 5, 50);
    }
    state.counters["goal_s"] = 2;
}

BENCHMARK(DrawText)->Arg(1000)->Arg(100'000'000)->Unit(benchmark::kMillisecond);

} // namespace
