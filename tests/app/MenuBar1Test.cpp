#include "MenuBar1.h"
#include "App.h"
#include "AppObject.h"
#include "QuitMenuItem.h"

#include <algorithm>
#include <ostream>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct MenuRow {
    const char* name;
    const char* text;
    const char* shortcut; // separators have none: ""
    bool autoEnable;
    bool quit;
    const char* parent; // "" for a menu title
    int order;          // position among the parent's children
};

void PrintTo(const MenuRow& row, std::ostream* out) { *out << row.name; }

const std::vector<MenuRow> menuRows = {
    {"FileMenu", "&File", "", true, false, "", 0},
    {"FileNew", "New", "Cmd+N", false, false, "FileMenu", 0},
    {"FileClose", "Close", "Cmd+W", true, false, "FileMenu", 1},
    {"UntitledSeparator1", "-", "", true, false, "FileMenu", 2},
    {"FileOpen", "Open", "Cmd+O", true, false, "FileMenu", 3},
    {"FileSaveAs", "Save As...", "Cmd+Shift+S", true, false, "FileMenu", 4},
    {"UntitledSeparator", "-", "", true, false, "FileMenu", 5},
    {"FilePageSetup", "Page Setup...", "Cmd+Option+P", true, false, "FileMenu", 6},
    {"PrintMenu", "Print...", "Cmd+P", true, false, "FileMenu", 7},
    {"FileQuit", "&Quit", "Cmd+Q", true, true, "FileMenu", 8},
    {"EditMenu", "&Edit", "", true, false, "", 1},
    {"EditUndo", "&Undo", "Cmd+Z", true, false, "EditMenu", 0},
    {"UntitledMenu1", "-", "", true, false, "EditMenu", 1},
    {"EditCut", "Cu&t", "Cmd+X", true, false, "EditMenu", 2},
    {"EditCopy", "&Copy", "Cmd+C", true, false, "EditMenu", 3},
    {"EditPaste", "&Paste", "Cmd+V", true, false, "EditMenu", 4},
    {"EditClear", "&Delete", "", true, false, "EditMenu", 5},
    {"UntitledMenu0", "-", "", true, false, "EditMenu", 6},
    {"EditSelectAll", "Select &All", "Cmd+A", true, false, "EditMenu", 7},
    {"ViewMenu", "View", "", true, false, "", 2},
    {"Invert", "Invert Background", "Cmd+B", true, false, "ViewMenu", 0},
    {"ViewShowIdentifiers", "Toggle N-glycan identifiers", "Cmd+i", true, false, "ViewMenu", 1},
    {"UntitledSeparator0", "-", "", true, false, "ViewMenu", 2},
    {"ViewSy", "Change Symbol Set...", "Cmd+Shift+C", true, false, "ViewMenu", 3},
    {"WindowMenu", "Window", "", true, false, "", 3},
    {"WindowGlycanwindow", "Glycan window", "", true, false, "WindowMenu", 0},
    {"WindowCodewindow", "Code window", "", true, false, "WindowMenu", 1},
};

class MenuBar1Rows : public ::testing::TestWithParam<MenuRow> {};

TEST_P(MenuBar1Rows, ItemIsBuiltAsListed)
{
    const MenuRow& row = GetParam();
    fw::MenuItem& parent = *row.parent == '\0' ? MenuBar1() : *MenuBar1().Child(row.parent);
    ASSERT_LT(row.order, parent.Count());
    const fw::MenuItem& item = parent.Item(row.order);
    // Exact case: the framework matches names regardless of case, the tree must not.
    EXPECT_EQ(item.Name().toStdString(), row.name);
    EXPECT_EQ(item.Text().toStdString(), row.text);
    EXPECT_EQ(item.KeyboardShortcut().toStdString(), row.shortcut);
    EXPECT_EQ(item.AutoEnable(), row.autoEnable);
    EXPECT_EQ(dynamic_cast<const fw::QuitMenuItem*>(&item) != nullptr, row.quit);
    // Nothing beyond the listed items.
    const auto siblings = std::count_if(menuRows.begin(), menuRows.end(), [&](const MenuRow& r) {
        return std::string_view(r.parent) == row.parent;
    });
    EXPECT_EQ(parent.Count(), siblings);
    if (*row.parent != '\0') {
        EXPECT_EQ(item.Count(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(MenuTree, MenuBar1Rows, ::testing::ValuesIn(menuRows),
                         ::testing::PrintToStringParamName());

TEST(GlobalMenuAccessors, FindTitlesAndFileCloseBelowItsTitle)
{
    auto app = std::make_unique<class App>(App::WindowOperations{});
    app->MenuBar(MenuBar1Instance());
    fw::RegisterAppObject(std::move(app));
    fw::MenuItem& file = *MenuBar1().Child("FileMenu");
    EXPECT_EQ(&FileMenu(), &file);
    EXPECT_EQ(&ViewMenu(), MenuBar1().Child("ViewMenu"));
    EXPECT_EQ(&WindowMenu(), MenuBar1().Child("WindowMenu"));
    EXPECT_EQ(&FileClose(), file.Child("FileClose"));
    fw::RegisterAppObject(nullptr);
    ReleaseMenuBar1();
}

} // namespace
