#include "AppTestSupport.h"
#include "FolderItem.h"
#include "Listbox.h"
#include "Startup.h"
#include "Window1.h"
#include "Window2.h"
#include "WindowAccessor.h"

#include <typeinfo>

namespace {

/// Runs start-up with the Open dialog cancelled, as on a machine without a library.
class AppEvents : public AppTest {
  protected:
    void SetUp() override
    {
        AppTest::SetUp();
        InitializeStatics();
        fw::RunFrameworkInitialization(_Startup);
        openDialogs.clear();
    }

    std::shared_ptr<fw::FolderItem> document(const QString& name, const QStringList& lines)
    {
        return fw::FolderItem::FromPath(writeCodes(name, lines));
    }
};

TEST_F(AppEvents, OpenDocumentWithoutItemChangesNothing)
{
    App().OpenDocument(document("first.txt", {"3100202"}));
    const QString title = Window1().Title();

    App().OpenDocument(nullptr);

    ASSERT_NE(App().droppedFile, nullptr);
    EXPECT_EQ(App().droppedFile->Name(), "first.txt");
    EXPECT_EQ(Window1().T, 1);
    EXPECT_EQ(Window1().G[0], "3100202");
    EXPECT_EQ(Window1().Title(), title);
    EXPECT_TRUE(openDialogs.isEmpty());
}

TEST_F(AppEvents, SecondDocumentReplacesTheFirst)
{
    App().OpenDocument(document("first.txt", {"3100202", "4000200", "5000022"}));
    App().OpenDocument(document("second.txt", {"9000000"}));

    ASSERT_NE(App().droppedFile, nullptr);
    EXPECT_EQ(App().droppedFile->Name(), "second.txt");
    EXPECT_EQ(Window1().T, 1);
    EXPECT_EQ(Window1().G[0], "9000000");
    EXPECT_EQ(Window1().G[1], "");
    EXPECT_EQ(Window2().ListBox1().RowCount(), 1);
    EXPECT_EQ(Window1().Title(), "Tamberlo:second.txt");
    EXPECT_TRUE(openDialogs.isEmpty());
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(AppEvents, OpenAndActivateEnableTheMenuBar)
{
    MenuBar1().Enabled(false);
    App().Activate();
    EXPECT_TRUE(MenuBar1().Enabled());

    MenuBar1().Enabled(false);
    App().Open();
    EXPECT_TRUE(MenuBar1().Enabled());
}

TEST_F(AppEvents, WindowMenuHandlersShowTheWindows)
{
    const fw::MenuHandlers& handlers = App().Handlers();
    const fw::MenuHandlers::Handler* codeWindow = handlers.Find("WindowCodewindow");
    const fw::MenuHandlers::Handler* glycanWindow = handlers.Find("WindowGlycanwindow");
    ASSERT_NE(codeWindow, nullptr);
    ASSERT_NE(glycanWindow, nullptr);

    // A closed code window comes back as a new one.
    Window2().Close();
    ASSERT_EQ(fw::WindowRegistry::Live(typeid(class Window2)), nullptr);
    EXPECT_TRUE((*codeWindow)());
    ASSERT_NE(fw::WindowRegistry::Live(typeid(class Window2)), nullptr);
    EXPECT_TRUE(Window2().Visible());

    Window1().Hide();
    EXPECT_TRUE((*glycanWindow)());
    EXPECT_TRUE(Window1().Visible());
}

} // namespace
