#include "AppObject.h"

#include "Application.h"
#include "FolderItem.h"
#include "Guarded.h"
#include "WindowRegistry.h"

#include <QGuiApplication>

#include <deque>

namespace fw {
namespace {

struct AppObjectState {
    std::unique_ptr<Application> app;
    std::deque<std::shared_ptr<FolderItem>> pendingDocuments;
    bool started = false;
};

AppObjectState& state()
{
    // Never destroyed: the application object goes in ReleaseAppObject, while Qt still
    // exists, and the pointer here keeps the state reachable, so a leak check at exit does
    // not count it.
    static auto* s = new AppObjectState;
    return *s;
}

void deliverPendingDocuments()
{
    auto& s = state();
    while (!s.pendingDocuments.empty() && s.app) {
        auto document = std::move(s.pendingDocuments.front());
        s.pendingDocuments.pop_front();
        Guarded([&document] { state().app->OpenDocument(std::move(document)); });
    }
}

} // namespace

void RegisterAppObject(std::unique_ptr<Application> app)
{
    static bool watchingState = false;
    if (!watchingState && QCoreApplication::instance() != nullptr) {
        watchingState = true;
        QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp,
                         [](Qt::ApplicationState appState) {
                             if (appState == Qt::ApplicationActive && state().app) {
                                 Guarded([] { state().app->Activate(); });
                             }
                         });
    }
    state().app = std::move(app);
    state().started = false;
    WindowRegistry::MenusChanged();
}

Application* GetAppObject() { return state().app.get(); }

void StartApplication()
{
    auto& s = state();
    if (s.started || !s.app) {
        return;
    }
    s.started = true;
    Guarded([] { state().app->Open(); });
    deliverPendingDocuments();
}

void RequestOpenDocument(std::shared_ptr<FolderItem> document)
{
    if (!document) {
        return;
    }
    auto& s = state();
    s.pendingDocuments.push_back(std::move(document));
    if (s.started) {
        deliverPendingDocuments();
    }
}

void ReleaseAppObject()
{
    auto& s = state();
    s.app.reset();
    s.pendingDocuments.clear();
}

} // namespace fw
