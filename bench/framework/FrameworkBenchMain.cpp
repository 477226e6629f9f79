// The framework benchmarks run inside the framework's Qt application, as the program does.
// A goal_* counter gives the time a benchmark should stay under; it is reported, not checked.
#include "Runtime.h"
#include "WindowRegistry.h"

#include <QByteArray>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fw::RuntimeInit(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fw::WindowRegistry::DestroyAll();
    return fw::RuntimeExit();
}
