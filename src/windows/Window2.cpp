#include "Window2.h"

#include "Clipboard.h"
#include "Keyboard.h"
#include "Listbox.h"
#include "MenuBar1.h"
#include "MenuItem.h"
#include "Quit.h"
#include "Window1.h"
#include "Window3.h"
#include "WindowAccessor.h"

class Window2& Window2() { return fw::Instance<class Window2>(); }

fw::Listbox& Window2::ListBox1() const { return Control<fw::Listbox>("ListBox1"); }

void Window2::Layout()
{
    ApplyProperties({
        {"Placement", 0},
        {"Width", 146},
        {"Height", 540},
        {"MinWidth", 64},
        {"MinHeight", 64},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", 0},
        {"Composite", false},
        {"HasBackColor", false},
        {"BackColor", RGB(255, 255, 255)},
        {"Title", "Code List"},
        {"Visible", true},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", true},
        {"Resizeable", false},
        {"LiveResize", false},
        {"MaximizeButton", false},
        {"MinimizeButton", true},
        {"MacProcID", 0},
    });
}

void Window2::CreateControls()
{
    AddControl<fw::Listbox>("ListBox1");
    fw::Listbox& list = ListBox1();
    list.ApplyProperties({{"TextUnit", 0}});
    list.ApplyProperties({
        {"Index", QVariant()},
        {"Left", 0},
        {"Top", 0},
        {"Width", 126},
        {"Height", 520},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"TabIndex", 0},
        {"TabStop", true},
        {"Visible", true},
        {"AutoDeactivate", true},
        {"Enabled", true},
        {"Border", true},
        {"UseFocusRing", true},
        {"HelpTag", ""},
        {"ColumnCount", 1},
        {"ColumnWidths", ""},
        {"HasHeading", false},
        {"HeadingIndex", -1},
        {"InitialValue", ""},
        {"ScrollbarHorizontal", false},
        {"ScrollBarVertical", true},
        {"AutoHideScrollbars", true},
        {"GridLinesHorizontal", 0},
        {"GridLinesVertical", 0},
        {"DefaultRowHeight", -1},
        {"_ScrollWidth", -1},
        {"_ScrollOffset", 0},
        {"TextFont", "System"},
        {"Bold", false},
        {"Italic", false},
        {"Underline", false},
        {"Hierarchical", false},
        {"EnableDrag", false},
        {"EnableDragReorder", false},
        {"RequiresSelection", false},
        {"ColumnsResizable", false},
        {"SelectionType", 0},
        {"DataSource", ""},
        {"DataField", ""},
        {"InitialParent", ""},
    });
    list.Change = [this] { ListBox1_Change(); };
    list.CellClick = [this](int row, int column, int x, int y) {
        return ListBox1_CellClick(row, column, x, y);
    };
}

void Window2::ListBox1_Change()
{
    fw::Clipboard clipboard;
    // With no row chosen (a Ctrl+click cleared the choice, or a load emptied the list) there
    // is no code to copy, and what the user copied elsewhere stays on the clipboard.
    if (ListBox1().ListIndex() >= 0) {
        clipboard.Text(ListBox1().Text());
    }
    ::Window1().Refresh(true);
    clipboard.Close();
}

bool Window2::ListBox1_CellClick(int row, int column, int x, int y)
{
    (void)row;
    (void)column;
    (void)x;
    (void)y;
    if (!fw::Keyboard::OSKey()) {
        return false; // the list selects as usual
    }
    fw::Listbox& list = ListBox1();
    const int selected = list.ListIndex();
    list.Selected(selected, false);
    list.ListIndex(-1);
    fw::ClearFocus();
    return true;
}

void Window2::AddMenuHandlers()
{
    // Names match items regardless of letter case, so the last two reach
    // WindowCodewindow and WindowGlycanwindow.
    AddMenuHandler("FileOpen", [this] { return FileOpen_Action(); });
    AddMenuHandler("ViewShowIdentifiers", [this] { return ViewShowIdentifiers_Action(); });
    AddMenuHandler("ViewSy", [this] { return ViewSy_Action(); });
    AddMenuHandler("FileQuit", [this] { return FileQuit_Action(); });
    AddMenuHandler("WIndowCodeWindow", [this] { return WIndowCodeWindow_Action(); });
    AddMenuHandler("WindowGlycanWindow", [this] { return WindowGlycanWindow_Action(); });
}

void Window2::CloseEvent()
{
    ::Window1().Show();
    // The window is still the live one while it closes, so this second close does nothing.
    ::Window2().Close();
}

void Window2::EnableMenuItems()
{
    FileMenu().Enabled(true);
    ViewMenu().Enabled(true);
    WindowMenu().Enabled(true);
}

bool Window2::CancelClose(bool appQuitting)
{
    (void)appQuitting;
    return false;
}

bool Window2::FileOpen_Action()
{
    ::Window1().openTextFile(nullptr);
    return false;
}

bool Window2::ViewShowIdentifiers_Action()
{
    class Window1& main = ::Window1();
    main.showIDs = !main.showIDs;
    main.Refresh(true);
    return true;
}

bool Window2::ViewSy_Action()
{
    ::Window3().Show();
    return false;
}

bool Window2::FileQuit_Action()
{
    fw::Quit(0);
    return true;
}

bool Window2::WIndowCodeWindow_Action()
{
    ::Window2().Visible(true);
    ::Window2().Show();
    return true;
}

bool Window2::WindowGlycanWindow_Action()
{
    ::Window1().Visible(true);
    ::Window1().Show();
    return true;
}
