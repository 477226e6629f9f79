#include "AppTestSupport.h"
#include "QuitMenuItem.h"
#include "RuntimeException.h"

#include <QSet>

#include <memory>
#include <vector>

namespace {

struct MenuRow {
    const char* name;
    const char* text;
    const char* shortcut; // "" for none, separators included
    bool autoEnable;
    bool quit;
    const char* parent; // "" for a menu title
    int order;          // position among its parent's children
};

void PrintTo(const MenuRow& row, std::ostream* out) { *out << row.name; }

const std::vector<MenuRow>& menuRows()
{
    static const std::vector<MenuRow> rows = {
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
    return rows;
}

class MenuBar1Rows : public ::testing::TestWithParam<MenuRow> {
  protected:
    void TearDown() override { ReleaseMenuBar1(); }
};

TEST_P(MenuBar1Rows, ItemIsBuiltAsListed)
{
    const MenuRow& row = GetParam();
    class MenuBar1& bar = MenuBar1();
    fw::MenuItem& parent = *row.parent == '\0' ? bar : *bar.Child(row.parent);
    ASSERT_LT(row.order, parent.Count());
    fw::MenuItem& item = parent.Item(row.order);

    // Case-sensitive: the framework matches names regardless of case, the tree must not.
    EXPECT_EQ(item.Name(), QString::fromUtf8(row.name));
    EXPECT_EQ(item.Text(), QString::fromUtf8(row.text));
    EXPECT_EQ(item.KeyboardShortcut(), QString::fromUtf8(row.shortcut));
    EXPECT_EQ(item.AutoEnable(), row.autoEnable);
    EXPECT_EQ(dynamic_cast<fw::QuitMenuItem*>(&item) != nullptr, row.quit);
}

INSTANTIATE_TEST_SUITE_P(MenuTree, MenuBar1Rows, ::testing::ValuesIn(menuRows()),
                         ::testing::PrintToStringParamName());

int countBelow(const fw::MenuItem& item)
{
    int count = 0;
    for (int i = 0; i < item.Count(); ++i) {
        count += 1 + countBelow(item.Item(i));
    }
    return count;
}

TEST(MenuBar1, HoldsExactlyTheListedItemsWithUniqueNames)
{
    class MenuBar1& bar = MenuBar1();
    EXPECT_EQ(countBelow(bar), static_cast<int>(menuRows().size()));
    EXPECT_EQ(menuRows().size(), 27u);
    QSet<QString> names;
    for (const MenuRow& row : menuRows()) {
        names.insert(QString::fromUtf8(row.name).toLower());
    }
    EXPECT_EQ(names.size(), 27);
    ReleaseMenuBar1();
}

TEST(MenuBar1, AccessorBuildsOnceUntilReleased)
{
    std::shared_ptr<class MenuBar1> first = MenuBar1Instance();
    EXPECT_EQ(&MenuBar1(), first.get());
    EXPECT_EQ(MenuBar1Instance(), first);
    ReleaseMenuBar1();
    EXPECT_NE(MenuBar1Instance(), first);
    ReleaseMenuBar1();
}

class GlobalMenuAccessors : public AppTest {};

TEST_F(GlobalMenuAccessors, FindTitlesAndFileCloseInTheApplicationsMenuBar)
{
    auto app = std::make_unique<class App>();
    app->MenuBar(MenuBar1Instance());
    fw::RegisterAppObject(std::move(app));

    class MenuBar1& bar = MenuBar1();
    EXPECT_EQ(&FileMenu(), bar.Child("FileMenu"));
    EXPECT_EQ(&ViewMenu(), bar.Child("ViewMenu"));
    EXPECT_EQ(&WindowMenu(), bar.Child("WindowMenu"));
    // FileClose is no title: the lookup goes below the titles.
    EXPECT_EQ(bar.Child("FileClose"), nullptr);
    EXPECT_EQ(&FileClose(), bar.Child("FileMenu")->Child("FileClose"));
}

TEST_F(GlobalMenuAccessors, RaiseNilObjectExceptionWithoutApplicationOrMenuBar)
{
    EXPECT_THROW(FileMenu(), fw::NilObjectException);
    fw::RegisterAppObject(std::make_unique<class App>());
    EXPECT_THROW(FileClose(), fw::NilObjectException);
}

} // namespace
