#include "SubWindowsTestSupport.h"
#include "WindowsTestSupport.h"

#include "Clipboard.h"
#include "FolderItem.h"
#include "Listbox.h"
#include "RecordingGraphics.h"
#include "Window3.h"

#include <QApplication>
#include <QListView>
#include <QTest>

#include <algorithm>

namespace {

using subwindows::Item;
using subwindows::PaintCounter;

class Window2Test : public WindowsTest {
  protected:
    /// The main window after loading @p lines as its code file.
    class Window1& LoadedWith(const QByteArray& lines)
    {
        openAnswers.push_back(WriteFile("codes.txt", lines));
        return MainWindow();
    }

    static QListView* View() { return static_cast<QListView*>(Window2().ListBox1().Widget()); }

    /// Clicks a row as a person would: once the rows added so far are shown.
    static void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QCoreApplication::processEvents();
        QListView* view = View();
        const QRect cell = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, cell.center());
    }

    /// How many red frames the main window's drawing makes now.
    static long Frames(class Window1& main)
    {
        RecordingGraphics g;
        main.drawGraph(g);
        const auto& calls = g.calls();
        return std::count_if(calls.begin(), calls.end(), [](const std::string& call) {
            return call.rfind("DrawRect", 0) == 0;
        });
    }
};

TEST_F(Window2Test, ChoosingARowCopiesItsTextAndFramesItsCells)
{
    class Window1& main = LoadedWith("3000000\n3100202\n\n3000000\n");
    ASSERT_EQ(Rows(), QStringList({"3000000", "3100202", "", "3000000"}));
    const fw::Listbox& list = Window2().ListBox1();
    EXPECT_EQ(Frames(main), 0);

    struct Choice {
        int row;
        QString text;
        long frames;
    };
    // The same code twice is framed twice; an empty row frames nothing.
    for (const Choice& choice :
         {Choice{1, "3100202", 1}, Choice{2, "", 0}, Choice{3, "3000000", 2}}) {
        SCOPED_TRACE(choice.row);
        fw::Clipboard().SetText("before");
        PaintCounter paints(main);
        ClickRow(choice.row);
        EXPECT_EQ(list.ListIndex(), choice.row);
        EXPECT_EQ(fw::Clipboard().Text(), choice.text);
        EXPECT_TRUE(paints.Repainted());
        EXPECT_EQ(Frames(main), choice.frames);
    }
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(Window2Test, ChoosingThePlaceholderOfACancelledOpenCopiesIt)
{
    MainWindow(); // no file chosen: the list gets the placeholder row
    ASSERT_EQ(Rows(), QStringList({"900000000"}));
    ClickRow(0);
    EXPECT_EQ(fw::Clipboard().Text(), "900000000");
}

TEST_F(Window2Test, CommandClickClearsTheChoiceWithoutSelecting)
{
    class Window1& main = LoadedWith("3000000\n3100202\n4000200\n");
    fw::Listbox& list = Window2().ListBox1();

    // With nothing chosen it changes nothing.
    ClickRow(1, Qt::ControlModifier);
    EXPECT_EQ(list.ListIndex(), -1);

    ClickRow(0);
    ASSERT_EQ(list.ListIndex(), 0);
    View()->setFocus();
    fw::Clipboard().SetText("copied elsewhere");
    PaintCounter paints(main);
    ClickRow(2, Qt::ControlModifier);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_FALSE(list.Selected(2));
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    // No row is chosen, so nothing is copied: the clipboard keeps what the user put there.
    EXPECT_EQ(fw::Clipboard().Text(), "copied elsewhere");
    EXPECT_TRUE(paints.Repainted());
    EXPECT_EQ(Frames(main), 0);
}

TEST_F(Window2Test, ALoadThatEmptiesTheChosenListKeepsTheClipboard)
{
    class Window1& main = LoadedWith("3000000\n3100202\n");
    ClickRow(1);
    ASSERT_EQ(fw::Clipboard().Text(), "3100202");
    fw::Clipboard().SetText("copied elsewhere");

    main.openTextFile(fw::FolderItem::FromPath(WriteFile("other.txt", "4000200\n")));
    EXPECT_EQ(Rows(), QStringList{"4000200"});
    EXPECT_EQ(Window2().ListBox1().ListIndex(), -1);
    EXPECT_EQ(fw::Clipboard().Text(), "copied elsewhere");
}

TEST_F(Window2Test, ClosingShowsTheMainWindowAndTheNextUseMakesAnEmptyOne)
{
    class Window1& main = LoadedWith("3000000\n3100202\n");
    class Window2& codes = Window2();
    main.Hide();
    ASSERT_FALSE(main.Visible());

    codes.Close();
    EXPECT_TRUE(codes.IsClosed()); // never refused
    EXPECT_TRUE(main.Visible());
    EXPECT_FALSE(main.IsClosed());
    EXPECT_EQ(fw::WindowRegistry::Live(typeid(class Window2)), nullptr);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();

    // The codes stay with the main window; a new code window starts without rows.
    EXPECT_EQ(main.T, 2);
    class Window2& fresh = Window2();
    EXPECT_NE(&fresh, &codes);
    EXPECT_EQ(fresh.ListBox1().RowCount(), 0);
    EXPECT_TRUE(fresh.Visible());
    EXPECT_EQ(fresh.Title(), "Code List");
}

TEST_F(Window2Test, LayoutIsAFixedSizeListWindow)
{
    MainWindow();
    class Window2& codes = Window2();
    EXPECT_EQ(codes.Width(), 146);
    EXPECT_EQ(codes.Height(), 540);
    EXPECT_EQ(codes.ContentWidget()->minimumSize(), codes.ContentWidget()->maximumSize());
    EXPECT_FALSE(codes.Widget()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(codes.Widget()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(codes.MenuBar(), nullptr); // it shows the application's
    EXPECT_EQ(codes.ShownMenuBar(), MenuBar1Instance());
    EXPECT_EQ(codes.ListBox1().Widget()->geometry(), QRect(0, 0, 126, 520));
}

TEST_F(Window2Test, MenuCommandsActOnTheMainWindowAndTheSelector)
{
    class Window1& main = LoadedWith("3000000\n");
    class Window2& codes = Window2();

    for (bool expected : {false, true}) {
        PaintCounter paints(main);
        codes.MenuCommand(Item("ViewShowIdentifiers"));
        EXPECT_EQ(main.showIDs, expected);
        EXPECT_TRUE(paints.Repainted());
    }

    // The Window items reach the code window's handlers although their names differ in
    // letter case; the application object here has no handlers of its own.
    ASSERT_TRUE(fw::GetAppObject()->Handlers().Find("WindowGlycanwindow") == nullptr);
    main.Hide();
    codes.MenuCommand(Item("WindowGlycanwindow"));
    EXPECT_TRUE(main.Visible());
    codes.Hide();
    codes.MenuCommand(Item("WindowCodewindow"));
    EXPECT_TRUE(codes.Visible());

    codes.MenuCommand(Item("ViewSy"));
    class Window3& selector = Window3();
    EXPECT_TRUE(selector.Visible());

    // File > Open from here loads as from the main window; a cancel appends the placeholder.
    openAnswers.push_back(WriteFile("more.txt", "4000200\n5000022\n"));
    codes.MenuCommand(Item("FileOpen"));
    EXPECT_EQ(Rows(), QStringList({"4000200", "5000022"}));
    EXPECT_EQ(main.T, 2);
    codes.MenuCommand(Item("FileOpen"));
    EXPECT_EQ(Rows(), QStringList({"4000200", "5000022", "900000000"}));
    EXPECT_EQ(main.T, 0);

    EXPECT_FALSE(fw::QuitRequested());
    codes.MenuCommand(Item("FileQuit"));
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

} // namespace
