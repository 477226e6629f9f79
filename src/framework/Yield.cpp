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
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    yielding = false;
    timer.restart();
}

} // namespace fw
