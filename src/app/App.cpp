#include "App.h"

#include "AppObject.h"
#include "FolderItem.h"
#include "MenuBar1.h"
#include "RuntimeException.h"
#include "Window1.h"
#include "Window2.h"

void App::Open() { MenuBar1().Enabled(true); }

void App::Activate() { MenuBar1().Enabled(true); }

void App::OpenDocument(std::shared_ptr<fw::FolderItem> item)
{
    if (!item) {
        return;
    }
    droppedFile = std::move(item);
    ::Window1().openTextFile(droppedFile);
}

bool App::WindowCodewindow_Action()
{
    ::Window2().Show();
    return true;
}

bool App::WindowGlycanwindow_Action()
{
    ::Window1().Show();
    return true;
}

class App& App() { return fw::CastTo<class App>(fw::GetAppObject(), "App"); }
