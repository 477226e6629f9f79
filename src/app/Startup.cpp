#include "Startup.h"

#include "App.h"
#include "ExceptionReport.h"
#include "FileTypes.h"
#include "Glycan.h"
#include "MenuBar1.h"
#include "RegExEntrypoints.h"
#include "Runtime.h"
#include "Window1.h"

#include <exception>
#include <memory>

void InitializeStatics() { Glycan::InitializeState(); }

void _Main()
{
    try {
        fw::RunFrameworkInitialization(_Startup);
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

void _Startup()
{
    fw::RuntimeInitExternalClasses();
    _InitPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void _InitPluginEntrypoints() { BindRegExEntrypoints(); }

void _InitFileTypes() { codes::FileTypes::Initialize(); }

void _NewAppInstance()
{
    auto app = std::make_unique<class App>();
    app->MenuBar(MenuBar1Instance());
    fw::RegisterAppObject(std::move(app));
}

void _ApplicationAddMenuHandlers()
{
    class App& app = App();
    app.AddMenuHandler(QStringLiteral("WindowCodewindow"),
                       [&app] { return app._WindowCodewindow_Action(); });
    app.AddMenuHandler(QStringLiteral("WindowGlycanwindow"),
                       [&app] { return app._WindowGlycanwindow_Action(); });
}

void _MakeDefaultView() { Window1(); }
