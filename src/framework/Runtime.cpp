#include "Runtime.h"

#include "Application.h"
#include "EventScope.h"
#include "FolderItem.h"
#include "FrameworkApplication.h"
#include "Guarded.h"
#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QSettings>

#include <deque>

namespace fw {
namespace {

struct RuntimeState {
    // Deleted by RuntimeExit only: Qt cannot be torn down during static destruction.
    detail::FrameworkApplication* qtApp = nullptr;
    std::unique_ptr<Application> app;
    std::deque<std::shared_ptr<FolderItem>> pendingDocuments;
    bool started = false;
    bool quitRequested = false;
    int exitCode = 0;
};

RuntimeState& state()
{
    // Never destroyed (see qtApp): RuntimeExit empties it, and the pointer here keeps it
    // reachable, so a leak check at exit does not count it.
    static auto* s = new RuntimeState;
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

// Qt's own dialogs keep state between runs in QSettings(UserScope, "QtProject"): the file
// dialog writes its history, last folder and view mode when destroyed, creating the
// configuration folder if need be, and reads them back when created. The program keeps
// nothing between runs, so every default settings location, user and system, goes inside
// /dev/null. That is no folder, so there no settings file, folder, lock or temporary file
// can be read, created or written, whoever runs the program; QSettings just reports an
// access error, which Qt's dialogs ignore.
void keepNoQtSettings()
{
    const QString nowhere = QStringLiteral("/dev/null");
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (const auto scope : {QSettings::UserScope, QSettings::SystemScope}) {
            QSettings::setPath(format, scope, nowhere);
        }
    }
}

void launchDocuments()
{
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            RequestOpenDocument(FolderItem::FromPath(arguments[i]));
        }
    }
}

} // namespace

void RuntimeInit(int& argc, char** argv)
{
    auto& s = state();
    keepNoQtSettings(); // before anything of Qt's reads its settings
    if (QCoreApplication::instance() == nullptr) {
        s.qtApp = new detail::FrameworkApplication(argc, argv);
    }
    // The program decides when to quit (closing its main window quits it).
    QApplication::setQuitOnLastWindowClosed(false);
}

void RuntimeInitExternalClasses() {}

void RunFrameworkInitialization(const std::function<void()>& startup)
{
    launchDocuments();
    EventScope scope;
    startup();
}

void RuntimeRun()
{
    if (state().quitRequested) {
        return;
    }
    StartApplication();
    if (!state().quitRequested) {
        QCoreApplication::exec();
    }
}

int RuntimeExit()
{
    auto& s = state();
    WindowRegistry::DestroyAll();
    s.app.reset();
    s.pendingDocuments.clear();
    delete s.qtApp;
    s.qtApp = nullptr;
    return s.exitCode;
}

void Quit(int code)
{
    auto& s = state();
    s.quitRequested = true;
    s.exitCode = code;
    QCoreApplication::exit(code);
}

bool QuitRequested() { return state().quitRequested; }

void ResetQuit()
{
    state().quitRequested = false;
    state().exitCode = 0;
}

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

} // namespace fw
