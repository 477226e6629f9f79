#include "Yield.h"

#include "EventScope.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace fw {
namespace {

constexpr unsigned checkEvery = 64; // calls between two looks at the clock
constexpr qint64 intervalMs = 40;

unsigned calls = 0;
bool yielding = false;
unsigned long long turns = 0;

QElapsedTimer& lastYield()
{
    static QElapsedTimer timer;
    return timer;
}

} // namespace

void YieldToFramework()
{
    if (++calls % checkEvery != 0) {
        return;
    }
    if (yielding || PaintScope::Painting() || QCoreApplication::instance() == nullptr) {
        return;
    }
    QElapsedTimer& timer = lastYield();
    if (!timer.isValid()) {
        timer.start();
        return;
    }
    if (timer.elapsed() < intervalMs) {
        return;
    }
    yielding = true;
    ++turns;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    yielding = false;
    timer.restart();
}

unsigned long long YieldedTurns() { return turns; }

} // namespace fw
