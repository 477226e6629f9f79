#include "WindowsTestSupport.h"

#include "MenuItem.h"
#include "PrinterSetup.h"
#include "QuitMenuItem.h"

#include <QFileInfo>
#include <QPrinter>

namespace {

using Window1MenuTest = WindowsTest;

TEST_F(Window1MenuTest, AccessorsFindTheirItemsInTheWindowsMenuBar)
{
    using Accessor = fw::MenuItem& (Window1::*)() const;
    const std::pair<const char*, Accessor> items[] = {
        {"FileMenu", &Window1::FileMenu},
        {"FileClose", &Window1::FileClose},
        {"UntitledSeparator", &Window1::UntitledSeparator},
        {"EditSelectAll", &Window1::EditSelectAll},
        {"Invert", &Window1::Invert},
        {"UntitledSeparator0", &Window1::UntitledSeparator0},
        {"WindowCodewindow", &Window1::WindowCodewindow},
    };
    class Window1& w = MainWindow();
    for (const auto& [name, accessor] : items) {
        EXPECT_EQ((w.*accessor)().Name(), name);
    }
    EXPECT_EQ(w.FileQuit().Name(), "FileQuit");

    w.FileMenu().Enabled(false);
    w.PrepareMenus();
    EXPECT_TRUE(w.FileMenu().Enabled());
}

TEST_F(Window1MenuTest, InvertSwapsBlackAndWhiteAndTurnsOtherColoursBlack)
{
    class Window1& w = MainWindow();
    w.MenuCommand(w.Invert());
    EXPECT_EQ(w.BackColor(), RGB(0, 0, 0));
    w.MenuCommand(w.Invert());
    EXPECT_EQ(w.BackColor(), RGB(255, 255, 255));
    w.BackColor(RGB(0, 0, 1));
    w.MenuCommand(w.Invert());
    EXPECT_EQ(w.BackColor(), RGB(0, 0, 0));
}

TEST_F(Window1MenuTest, ToggleIdentifiersTwiceRestoresThem)
{
    class Window1& w = MainWindow();
    w.MenuCommand(w.ViewShowIdentifiers());
    EXPECT_FALSE(w.showIDs);
    w.MenuCommand(w.ViewShowIdentifiers());
    EXPECT_TRUE(w.showIDs);
}

TEST_F(Window1MenuTest, CodeWindowItemReopensAClosedCodeWindow)
{
    class Window1& w = MainWindow();
    Window2().Close();
    w.MenuCommand(w.WindowCodewindow());
    const auto* reopened = fw::WindowRegistry::Live(typeid(class Window2));
    ASSERT_NE(reopened, nullptr);
    EXPECT_TRUE(reopened->Visible());
}

TEST_F(Window1MenuTest, ClosingTheMainWindowOrQuitEndsTheProgram)
{
    class Window1& w = MainWindow();
    w.MenuCommand(w.FileQuit());
    EXPECT_TRUE(fw::QuitRequested());
    fw::ResetQuit();

    Window2().Show();
    w.Close();
    EXPECT_TRUE(w.IsClosed());
    EXPECT_TRUE(fw::QuitRequested());
}

class Window1PrintingTest : public WindowsTest {
  protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        fw::DialogSeam::pageSetup = [this](QPrinter& printer) {
            setupLandscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
            return false; // cancelled: the new set-up stays all the same
        };
        fw::DialogSeam::print = [this](QPrinter& printer) {
            printLandscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return acceptPrint;
        };
    }

    /// The main window with a few codes.
    class Window1& WithCodes()
    {
        class Window1& w = MainWindow();
        w.G[0] = "3100202";
        w.G[1] = "4000200";
        w.T = 2;
        return w;
    }

    QString pdf = TempPath("page.pdf");
    bool acceptPrint = true;
    std::optional<bool> setupLandscape;
    std::optional<bool> printLandscape;
};

TEST_F(Window1PrintingTest, PageSetupThenPrintGivesALandscapePage)
{
    class Window1& w = WithCodes();
    w.MenuCommand(w.FilePageSetup());
    EXPECT_EQ(setupLandscape, true);
    ASSERT_NE(w.prSet, nullptr);
    EXPECT_TRUE(w.prSet->Landscape());

    w.MenuCommand(w.PrintMenu());
    EXPECT_EQ(printLandscape, true);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

TEST_F(Window1PrintingTest, PrintWithoutPageSetupAndCancelledPrint)
{
    class Window1& w = WithCodes();
    acceptPrint = false;
    w.MenuCommand(w.PrintMenu());
    EXPECT_EQ(printLandscape, false);
    EXPECT_FALSE(QFileInfo::exists(pdf));

    acceptPrint = true;
    w.printGraph(nullptr);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

} // namespace
