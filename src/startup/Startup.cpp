#include "Startup.h"

#include "App.h"
#include "AppObject.h"
#include "ExceptionReport.h"
#include "FileTypes.h"
#include "Glycan.h"
#include "MenuBar1.h"
#include "RegExEntrypoints.h"
#include "Runtime.h"
#include "Window1.h"
#include "Window2.h"

#include <exception>
#include <memory>

void InitializeStatics() { Glycan::InitializeState(); }

void Main()
{
    try {
        fw::RunFrameworkInitialization(Startup);
        fw::RuntimeRun();
    } catch (...) {
        fw::UnhandledException(std::current_exception());
    }
}

void FinalizeStatics()
{
    ReleaseMenuBar1();
    codes::FileTypes::Release();
}

void Startup()
{
    fw::RuntimeInitExternalClasses();
    InitPluginEntrypoints();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    MakeDefaultView();
}

void InitPluginEntrypoints() { BindRegExEntrypoints(); }

void InitFileTypes() { codes::FileTypes::Initialize(); }

void NewAppInstance()
{
    auto app = std::make_unique<class App>(App::WindowOperations{
        .openInMainWindow =
            [](std::shared_ptr<fw::FolderItem> document) {
                Window1().openTextFile(std::move(document));
            },
        .showCodeWindow = [] { Window2().Show(); },
        .showMainWindow = [] { Window1().Show(); },
    });
    app->MenuBar(MenuBar1Instance());
    fw::RegisterAppObject(std::move(app));
}

void ApplicationAddMenuHandlers()
{
    class App& app = App();
    app.AddMenuHandler(QStringLiteral("WindowCodewindow"),
                       [&app] { return app.WindowCodewindow_Action(); });
    app.AddMenuHandler(QStringLiteral("WindowGlycanwindow"),
                       [&app] { return app.WindowGlycanwindow_Action(); });
}

void MakeDefaultView() { Window1(); }
