#include "WindowsTestSupport.h"

#include "PrinterSetup.h"
#include "QuitMenuItem.h"

#include <QFileInfo>
#include <QPrinter>

namespace {

using Window1MenuTest = WindowsTest;

TEST_F(Window1MenuTest, InvertAndToggleIdentifiers)
{
    class Window1& w = MainWindow();
    w.MenuCommand(w.Invert());
    EXPECT_EQ(w.BackColor(), RGB(0, 0, 0));
    w.MenuCommand(w.Invert());
    EXPECT_EQ(w.BackColor(), RGB(255, 255, 255));
    w.BackColor(RGB(0, 0, 1)); // not black: becomes black
    w.MenuCommand(w.Invert());
    EXPECT_EQ(w.BackColor(), RGB(0, 0, 0));

    w.MenuCommand(w.ViewShowIdentifiers());
    EXPECT_FALSE(w.showIDs);
    w.MenuCommand(w.ViewShowIdentifiers());
    EXPECT_TRUE(w.showIDs);
}

TEST_F(Window1MenuTest, QuitOrClosingTheMainWindowEndsTheProgram)
{
    class Window1& w = MainWindow();
    w.MenuCommand(w.FileQuit());
    EXPECT_TRUE(fw::QuitRequested());
    fw::ResetQuit();
    w.Close();
    EXPECT_TRUE(w.IsClosed());
    EXPECT_TRUE(fw::QuitRequested());
}

/// Page set-up dialogs are cancelled; print dialogs print to a PDF file unless told not to.
class Window1PrintingTest : public WindowsTest {
  protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        fw::DialogSeam::pageSetup = [](QPrinter&) { return false; };
        fw::DialogSeam::print = [this](QPrinter& printer) {
            printLandscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return acceptPrint;
        };
    }

    class Window1& WithCodes()
    {
        class Window1& w = MainWindow();
        w.G[0] = "3100202";
        w.T = 1;
        return w;
    }

    QString pdf = TempPath("page.pdf");
    bool acceptPrint = true;
    std::optional<bool> printLandscape;
};

TEST_F(Window1PrintingTest, CancelledPageSetupStillGivesALandscapePage)
{
    class Window1& w = WithCodes();
    w.MenuCommand(w.FilePageSetup());
    ASSERT_NE(w.prSet, nullptr);
    w.MenuCommand(w.PrintMenu());
    EXPECT_EQ(printLandscape, true);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

TEST_F(Window1PrintingTest, CancelledPrintDrawsNothingAndNoSetUpIsAccepted)
{
    class Window1& w = WithCodes();
    acceptPrint = false;
    w.MenuCommand(w.PrintMenu()); // no Page Setup yet
    EXPECT_EQ(printLandscape, false);
    EXPECT_FALSE(QFileInfo::exists(pdf));
    acceptPrint = true;
    w.printGraph(nullptr);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

} // namespace
