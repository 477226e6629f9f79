#include "App.h"

#include "AppObject.h"
#include "FolderItem.h"
#include "MenuBar1.h"
#include "RuntimeException.h"

App::App(WindowOperations windows) : windows_(std::move(windows)) {}

void App::Open() { MenuBar1().Enabled(true); }

void App::Activate() { MenuBar1().Enabled(true); }

void App::OpenDocument(std::shared_ptr<fw::FolderItem> item)
{
    if (!item) {
        return;
    }
    droppedFile = std::move(item);
    windows_.openInMainWindow(droppedFile);
}

bool App::WindowCodewindow_Action()
{
    windows_.showCodeWindow();
    return true;
}

bool App::WindowGlycanwindow_Action()
{
    windows_.showMainWindow();
    return true;
}

class App& App() { return fw::CastTo<class App>(fw::GetAppObject(), "App"); }
