#include "WindowRegistry.h"

#include "EventScope.h"
#include "Window.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace fw {
namespace {

struct Entry {
    std::unique_ptr<Window> window;
    bool retired = false;
};

// Never destroyed: windows left at exit must not be torn down after Qt itself.
std::vector<Entry>& entries()
{
    static auto* all = new std::vector<Entry>;
    return *all;
}

std::map<std::type_index, Window*>& live()
{
    static auto* byType = new std::map<std::type_index, Window*>;
    return *byType;
}

std::vector<QPointer<QObject>>& doomedObjects()
{
    static auto* objects = new std::vector<QPointer<QObject>>;
    return *objects;
}

bool deletionPosted = false;

void postDeletion()
{
    if (deletionPosted || QCoreApplication::instance() == nullptr) {
        return;
    }
    deletionPosted = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            deletionPosted = false;
            EventScope::WhenIdle(&WindowRegistry::DeleteRetired);
        },
        Qt::QueuedConnection);
}

} // namespace

Window* WindowRegistry::Live(std::type_index type)
{
    const auto it = live().find(type);
    return it == live().end() ? nullptr : it->second;
}

void WindowRegistry::Adopt(std::unique_ptr<Window> window, std::type_index type)
{
    live()[type] = window.get();
    entries().push_back(Entry{std::move(window), false});
}

void WindowRegistry::Retire(const Window* window)
{
    for (auto it = live().begin(); it != live().end(); ++it) {
        if (it->second == window) {
            live().erase(it);
            break;
        }
    }
    for (auto& entry : entries()) {
        if (entry.window.get() == window) {
            entry.retired = true;
        }
    }
    postDeletion();
}

std::vector<Window*> WindowRegistry::OpenWindows()
{
    std::vector<Window*> open;
    for (const auto& entry : entries()) {
        if (!entry.retired) {
            open.push_back(entry.window.get());
        }
    }
    return open;
}

void WindowRegistry::MenusChanged()
{
    for (Window* window : OpenWindows()) {
        window->updateMenuView();
    }
}

void WindowRegistry::DeleteWhenIdle(QObject* object)
{
    doomedObjects().emplace_back(object);
    postDeletion();
}

void WindowRegistry::DeleteRetired()
{
    if (EventScope::Depth() > 0) {
        EventScope::WhenIdle(&WindowRegistry::DeleteRetired);
        return;
    }
    auto objects = std::move(doomedObjects());
    doomedObjects().clear();
    for (const auto& object : objects) {
        delete object.data();
    }
    std::vector<std::unique_ptr<Window>> doomed;
    auto& all = entries();
    for (auto& entry : all) {
        if (entry.retired) {
            doomed.push_back(std::move(entry.window));
        }
    }
    all.erase(std::remove_if(all.begin(), all.end(), [](const Entry& e) { return !e.window; }),
              all.end());
    doomed.clear();
}

void WindowRegistry::DestroyAll()
{
    live().clear();
    auto doomed = std::move(entries());
    entries().clear();
    doomed.clear();
    // What waits for the next idle time goes now (at exit none comes); widgets of the windows
    // just deleted are gone already and their pointers null.
    const auto objects = std::move(doomedObjects());
    doomedObjects().clear();
    for (const auto& object : objects) {
        delete object.data();
    }
}

QString WindowRegistry::ClassName(const std::type_info& type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    QString full = QString::fromUtf8(status == 0 && name ? name.get() : type.name());
    const qsizetype colon = full.lastIndexOf(QLatin1String("::"));
    return colon < 0 ? full : full.mid(colon + 2);
}

} // namespace fw
