#include "MenuBar1.h"

#include "App.h"
#include "QuitMenuItem.h"
#include "RuntimeException.h"

#include <optional>

namespace {

std::shared_ptr<class MenuBar1>& instance()
{
    static std::shared_ptr<class MenuBar1> bar;
    return bar;
}

/// One item as the menu tables give it; a separator has no shortcut at all.
struct ItemRow {
    const char* name;
    const char* text;
    std::optional<const char*> shortcut;
    bool autoEnable = true;
    bool quit = false;
};

template <class Item> std::shared_ptr<fw::MenuItem> newItem(const ItemRow& row)
{
    auto item = std::make_shared<Item>();
    item->Name(QString::fromUtf8(row.name));
    item->AutoEnable(row.autoEnable);
    item->Text(QString::fromUtf8(row.text));
    if (row.shortcut) {
        item->KeyboardShortcut(QString::fromUtf8(*row.shortcut));
    }
    return item;
}

/// Appends a menu title to @p bar, then each item below it, finding the title again among
/// the bar's children by its Name for every item.
template <std::size_t N>
void buildMenu(fw::MenuBar& bar, const char* titleName, const char* titleText,
               const ItemRow (&items)[N])
{
    bar.Append(newItem<fw::MenuItem>({titleName, titleText, ""}));
    for (const ItemRow& row : items) {
        auto item = row.quit ? newItem<fw::QuitMenuItem>(row) : newItem<fw::MenuItem>(row);
        fw::NotNil(bar.Child(QString::fromUtf8(titleName)), titleName).Append(std::move(item));
    }
}

fw::MenuItem& lookUp(const char* name)
{
    auto bar = App().MenuBar();
    return fw::NotNil(fw::NotNil(bar.get(), "App.MenuBar").Lookup(QString::fromUtf8(name)), name);
}

} // namespace

MenuBar1::MenuBar1()
{
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void MenuBar1::Untitled0()
{
    static const ItemRow items[] = {
        {"FileNew", "New", "Cmd+N", false},
        {"FileClose", "Close", "Cmd+W"},
        {"UntitledSeparator1", "-", std::nullopt},
        {"FileOpen", "Open", "Cmd+O"},
        {"FileSaveAs", "Save As...", "Cmd+Shift+S"},
        {"UntitledSeparator", "-", std::nullopt},
        {"FilePageSetup", "Page Setup...", "Cmd+Option+P"},
        {"PrintMenu", "Print...", "Cmd+P"},
        {"FileQuit", "&Quit", "Cmd+Q", true, true},
    };
    buildMenu(*this, "FileMenu", "&File", items);
}

void MenuBar1::Untitled1()
{
    // clang-format off
    static const ItemRow items[] = {
        {"EditUndo", "&Undo", "Cmd+Z"},
        {"UntitledMenu1", "-", std::nullopt},
        {"EditCut", "Cu&t", "Cmd+X"},
        {"EditCopy", "&Copy", "Cmd+C"},
        {"EditPaste", "&Paste", "Cmd+V"},
        {"EditClear", "&Delete", ""},
        {"UntitledMenu0", "-", std::nullopt},
        {"EditSelectAll", "Select &All", "Cmd+A"},
    };
    // clang-format on
    buildMenu(*this, "EditMenu", "&Edit", items);
}

void MenuBar1::Untitled2()
{
    static const ItemRow items[] = {
        {"Invert", "Invert Background", "Cmd+B"},
        {"ViewShowIdentifiers", "Toggle N-glycan identifiers", "Cmd+i"},
        {"UntitledSeparator0", "-", std::nullopt},
        {"ViewSy", "Change Symbol Set...", "Cmd+Shift+C"},
    };
    buildMenu(*this, "ViewMenu", "View", items);
}

void MenuBar1::Untitled3()
{
    static const ItemRow items[] = {
        {"WindowGlycanwindow", "Glycan window", ""},
        {"WindowCodewindow", "Code window", ""},
    };
    buildMenu(*this, "WindowMenu", "Window", items);
}

class MenuBar1& MenuBar1() { return *MenuBar1Instance(); }

std::shared_ptr<class MenuBar1> MenuBar1Instance()
{
    auto& bar = instance();
    if (!bar) {
        bar = std::make_shared<class MenuBar1>();
    }
    return bar;
}

void ReleaseMenuBar1() { instance().reset(); }

fw::MenuItem& FileMenu() { return lookUp("FileMenu"); }

fw::MenuItem& ViewMenu() { return lookUp("ViewMenu"); }

fw::MenuItem& WindowMenu() { return lookUp("WindowMenu"); }

fw::MenuItem& FileClose() { return lookUp("FileClose"); }
