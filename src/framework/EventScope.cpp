#include "EventScope.h"

#include <vector>

namespace fw {

int EventScope::depth_ = 0;
int PaintScope::depth_ = 0;

namespace {

std::vector<void (*)()>& idleActions()
{
    static std::vector<void (*)()> actions;
    return actions;
}

void runIdleActions()
{
    auto actions = std::move(idleActions());
    idleActions().clear();
    for (auto* action : actions) {
        action();
    }
}

} // namespace

EventScope::EventScope() { ++depth_; }

EventScope::~EventScope()
{
    if (--depth_ == 0 && !idleActions().empty()) {
        runIdleActions();
    }
}

int EventScope::Depth() { return depth_; }

void EventScope::WhenIdle(void (*action)())
{
    if (depth_ == 0) {
        action();
        return;
    }
    for (auto* queued : idleActions()) {
        if (queued == action) {
            return;
        }
    }
    idleActions().push_back(action);
}

} // namespace fw
