#include "EventScope.h"

#include <QCoreApplication>
#include <QMetaObject>

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

bool runPosted = false;

void runIdleActions()
{
    runPosted = false;
    if (EventScope::Depth() > 0) {
        return; // the scope that ends last posts again
    }
    auto actions = std::move(idleActions());
    idleActions().clear();
    // cppcheck-suppress constVariable ; a function pointer has no pointee to make const
    for (auto* action : actions) {
        action();
    }
}

// Runs the idle actions from the event loop itself, never from inside the Qt code that
// called the handler that just ended (a menu action's signal, say).
void postIdleActions()
{
    if (runPosted || QCoreApplication::instance() == nullptr) {
        return;
    }
    runPosted = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &runIdleActions, Qt::QueuedConnection);
}

} // namespace

EventScope::EventScope() { ++depth_; }

EventScope::~EventScope()
{
    if (--depth_ == 0 && !idleActions().empty()) {
        postIdleActions();
    }
}

int EventScope::Depth() { return depth_; }

void EventScope::WhenIdle(void (*action)())
{
    if (depth_ == 0) {
        action();
        return;
    }
    // cppcheck-suppress constVariable ; a function pointer has no pointee to make const
    for (auto* queued : idleActions()) {
        if (queued == action) {
            return;
        }
    }
    idleActions().push_back(action);
}

} // namespace fw
