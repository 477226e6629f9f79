#include "Window1.h"

#include "MenuBar1.h"
#include "MenuItem.h"
#include "PrinterSetup.h"
#include "Quit.h"
#include "QuitMenuItem.h"
#include "RuntimeException.h"
#include "Window2.h"
#include "Window3.h"
#include "WindowAccessor.h"

#include "CodeList.h"

class Window1& Window1() { return fw::Instance<class Window1>(); }

Window1::Window1() : G(static_cast<std::size_t>(codes::CodeListCapacity)) {}

Window1::~Window1() = default;

void Window1::Layout()
{
    MenuBar(MenuBar1Instance());
    ApplyProperties({
        {"Placement", 0},
        {"Width", 300},
        {"Height", 300},
        {"MinWidth", 64},
        {"MinHeight", 64},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", 0},
        {"Composite", false},
        {"HasBackColor", true},
        {"BackColor", RGB(255, 255, 255)},
        {"Title", "Tamberlo"},
        {"Visible", true},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", true},
        {"Resizeable", true},
        {"LiveResize", false},
        {"MaximizeButton", true},
        {"MinimizeButton", true},
        {"MacProcID", 0},
    });
}

fw::MenuItem& Window1::menuItem(const char* name) const
{
    const fw::MenuBar& bar = fw::NotNil(MenuBar().get(), "Window1.MenuBar");
    return fw::CastTo<fw::MenuItem>(bar.Lookup(QString::fromLatin1(name)), name);
}

fw::MenuItem& Window1::FileMenu() const { return menuItem("FileMenu"); }
fw::MenuItem& Window1::FileNew() const { return menuItem("FileNew"); }
fw::MenuItem& Window1::FileClose() const { return menuItem("FileClose"); }
fw::MenuItem& Window1::UntitledSeparator1() const { return menuItem("UntitledSeparator1"); }
fw::MenuItem& Window1::FileOpen() const { return menuItem("FileOpen"); }
fw::MenuItem& Window1::FileSaveAs() const { return menuItem("FileSaveAs"); }
fw::MenuItem& Window1::UntitledSeparator() const { return menuItem("UntitledSeparator"); }
fw::MenuItem& Window1::FilePageSetup() const { return menuItem("FilePageSetup"); }
fw::MenuItem& Window1::PrintMenu() const { return menuItem("PrintMenu"); }
fw::QuitMenuItem& Window1::FileQuit() const
{
    return fw::CastTo<fw::QuitMenuItem>(&menuItem("FileQuit"), "FileQuit");
}
fw::MenuItem& Window1::EditMenu() const { return menuItem("EditMenu"); }
fw::MenuItem& Window1::EditUndo() const { return menuItem("EditUndo"); }
fw::MenuItem& Window1::UntitledMenu1() const { return menuItem("UntitledMenu1"); }
fw::MenuItem& Window1::EditCut() const { return menuItem("EditCut"); }
fw::MenuItem& Window1::EditCopy() const { return menuItem("EditCopy"); }
fw::MenuItem& Window1::EditPaste() const { return menuItem("EditPaste"); }
fw::MenuItem& Window1::EditClear() const { return menuItem("EditClear"); }
fw::MenuItem& Window1::UntitledMenu0() const { return menuItem("UntitledMenu0"); }
fw::MenuItem& Window1::EditSelectAll() const { return menuItem("EditSelectAll"); }
fw::MenuItem& Window1::ViewMenu() const { return menuItem("ViewMenu"); }
fw::MenuItem& Window1::Invert() const { return menuItem("Invert"); }
fw::MenuItem& Window1::ViewShowIdentifiers() const { return menuItem("ViewShowIdentifiers"); }
fw::MenuItem& Window1::UntitledSeparator0() const { return menuItem("UntitledSeparator0"); }
fw::MenuItem& Window1::ViewSy() const { return menuItem("ViewSy"); }
fw::MenuItem& Window1::WindowMenu() const { return menuItem("WindowMenu"); }
fw::MenuItem& Window1::WindowGlycanwindow() const { return menuItem("WindowGlycanwindow"); }
fw::MenuItem& Window1::WindowCodewindow() const { return menuItem("WindowCodewindow"); }

void Window1::AddMenuHandlers()
{
    AddMenuHandler("PrintMenu", [this] { return PrintMenu_Action(); });
    AddMenuHandler("FilePageSetup", [this] { return FilePageSetup_Action(); });
    AddMenuHandler("FileOpen", [this] { return FileOpen_Action(); });
    AddMenuHandler("ViewSy", [this] { return ViewSy_Action(); });
    AddMenuHandler("ViewShowIdentifiers", [this] { return ViewShowIdentifiers_Action(); });
    AddMenuHandler("FileQuit", [this] { return FileQuit_Action(); });
    AddMenuHandler("WindowCodewindow", [this] { return WindowCodewindow_Action(); });
    AddMenuHandler("WindowGlycanwindow", [this] { return WindowGlycanwindow_Action(); });
    AddMenuHandler("Invert", [this] { return Invert_Action(); });
}

void Window1::EnableMenuItems()
{
    FileMenu().Enabled(true);
    ViewMenu().Enabled(true);
    WindowMenu().Enabled(true);
}

void Window1::Resized() { Refresh(true); }

void Window1::CloseEvent() { fw::Quit(0); }

bool Window1::CancelClose(bool appQuitting)
{
    (void)appQuitting;
    return false;
}

bool Window1::FileOpen_Action()
{
    openTextFile(nullptr);
    return false;
}

bool Window1::ViewSy_Action()
{
    Window3().Show();
    return false;
}

bool Window1::ViewShowIdentifiers_Action()
{
    showIDs = !showIDs;
    Refresh(true);
    return true;
}

bool Window1::FileQuit_Action()
{
    fw::Quit(0);
    return true;
}

bool Window1::WindowCodewindow_Action()
{
    Window2().Visible(true);
    Window2().Show();
    return true;
}

bool Window1::WindowGlycanwindow_Action()
{
    ::Window1().Visible(true);
    ::Window1().Show();
    return true;
}

bool Window1::Invert_Action()
{
    // The setter repaints; the grid then picks the text colour for the new background.
    BackColor(BackColor() == RGB(0, 0, 0) ? RGB(255, 255, 255) : RGB(0, 0, 0));
    return true;
}
