#include "App.h"

#include "FolderItem.h"
#include "MenuBar1.h"
#include "Runtime.h"
#include "RuntimeException.h"

void App::Open()
{
    MenuBar1().Enabled(true);
}

void App::Activate()
{
    MenuBar1().Enabled(true);
}

void App::OpenDocument(std::shared_ptr<fw::FolderItem> item)
{
    if (!item) {
        return;
    }
    droppedFile = std::move(item);
}

bool App::_WindowCodewindow_Action()
{
    return true;
}

bool App::_WindowGlycanwindow_Action()
{
    return true;
}

class App& App()
{
    return fw::CastTo<class App>(fw::GetAppObject(), "App");
}
