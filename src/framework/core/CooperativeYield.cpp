#include "CooperativeYield.h"

#include "EventScope.h"

#include <QCoreApplication>

namespace fw {

void CooperativeYield::lookAtClock()
{
    if (yielding_ || PaintScope::Painting() || QCoreApplication::instance() == nullptr) {
        return;
    }
    const qint64 now = clock_();
    if (!lastTurn_.has_value()) {
        lastTurn_ = now;
        return;
    }
    if (now - *lastTurn_ < IntervalMs) {
        return;
    }
    yielding_ = true;
    ++turns_;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    yielding_ = false;
    lastTurn_ = clock_();
}

} // namespace fw
