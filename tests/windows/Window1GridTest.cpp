#include "WindowsTestSupport.h"

#include "App.h"
#include "Clipboard.h"
#include "CodeDigits.h"
#include "FolderItem.h"
#include "RecordingGraphics.h"

#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

/// What BuildStructure alone draws for @p code at (x, y).
Calls StructureCalls(const std::string& code, int x, int y, double scale)
{
    RecordingGraphics g;
    Glycan::SetCodeDigits(code);
    Glycan::BuildStructure(&g, x, y, scale);
    return g.calls();
}

bool Contains(const Calls& calls, const Calls& run)
{
    return std::search(calls.begin(), calls.end(), run.begin(), run.end()) != calls.end();
}

long CountOf(const Calls& calls, const std::string& prefix)
{
    return std::count_if(calls.begin(), calls.end(),
                         [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
}

class Window1GridTest : public WindowsTest {
  protected:
    /// The main window, 300 by 300, with eight codes; entries 2 and 5 are the same code.
    class Window1& EightCodes()
    {
        class Window1& w = MainWindow();
        const QStringList codes{"3000000", "3100000", "3100202", "3011111",
                                "4000200", "3100202", "5000022", "9000000"};
        for (int i = 0; i < codes.size(); ++i) {
            w.G[static_cast<std::size_t>(i)] = codes[i];
        }
        w.T = static_cast<std::int32_t>(codes.size());
        EXPECT_EQ(w.Width(), 300);
        EXPECT_EQ(w.Height(), 300);
        return w;
    }

    Calls Draw(class Window1& w)
    {
        RecordingGraphics g;
        w.drawGraph(g);
        return g.calls();
    }
};

TEST_F(Window1GridTest, CellShowsStructureWhiteTextOnBlackAndFramesEveryEqualCode)
{
    class Window1& w = EightCodes();
    w.symbolSet = Glycan::SymbolSetCFGGreyscale;
    w.BackColor(RGB(0, 0, 0));
    Window2().ListBox1().AddRow("3100202");
    Window2().ListBox1().ListIndex(Window2().ListBox1().RowCount() - 1);

    const Calls calls = Draw(w);

    EXPECT_EQ(Glycan::symbolSet, Glycan::SymbolSetCFGGreyscale);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "TextSize 6");
    EXPECT_EQ(CountOf(calls, "TextSize"), 1);
    // Row 1, column 1 shows entry 5.
    Calls cell = StructureCalls("3100202", 177, 109, 3.0);
    cell.insert(cell.end(),
                {"ForeColor 0 0 0", "ForeColor 255 255 255", "DrawString 133 146 3100202",
                 "ForeColor 0 0 0", "ForeColor 255 0 0", "PenWidth 2", "DrawRect 100 75 100 75",
                 "ForeColor 0 0 0", "PenWidth 1"});
    EXPECT_TRUE(Contains(calls, cell));
    // Entry 2 (row 2, column 0) holds the same code: framed too; nothing else is.
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "DrawRect 0 150 100 75"), 1);
    EXPECT_EQ(CountOf(calls, "PenWidth 2"), 2);
    EXPECT_EQ(CountOf(calls, "DrawString"), 8);
}

TEST_F(Window1GridTest, TextsBlackOnOtherBackgroundsAndOffWhenHidden)
{
    class Window1& w = EightCodes();
    w.BackColor(RGB(10, 20, 30));
    Calls calls = Draw(w);
    EXPECT_EQ(CountOf(calls, "DrawString"), 8);
    EXPECT_EQ(CountOf(calls, "ForeColor 255 255 255"), 0);

    w.showIDs = false;
    calls = Draw(w);
    EXPECT_EQ(CountOf(calls, "DrawString"), 0);
}

TEST_F(Window1GridTest, ClosedCodeWindowComesBackEmptyAtTheNextDrawing)
{
    class Window1& w = EightCodes();
    Window2().Close();
    ASSERT_EQ(fw::WindowRegistry::Live(typeid(class Window2)), nullptr);

    const Calls calls = Draw(w);
    EXPECT_NE(fw::WindowRegistry::Live(typeid(class Window2)), nullptr);
    EXPECT_EQ(Window2().ListBox1().RowCount(), 0);
    EXPECT_EQ(CountOf(calls, "PenWidth 2"), 0);
}

TEST_F(Window1GridTest, CellsPastTheCodeListAreEmpty)
{
    // 10001 codes give 141 rows by 71 columns: ten cells more than the list holds.
    class Window1& w = MainWindow();
    std::fill(w.G.begin(), w.G.end(), QStringLiteral("3000000"));
    w.T = 10001;
    const Calls calls = Draw(w);
    EXPECT_EQ(CountOf(calls, "DrawString"), 10001);
}

TEST_F(Window1GridTest, FixedGridAfterAnOpenDocument)
{
    class Window1& w = MainWindow();
    App().droppedFile = fw::FolderItem::FromPath(TempPath("document.txt"));
    w.G[0] = "3000000";
    w.G[285] = "3100000"; // row 21, column 12: the last cell
    w.G[286] = "4000000"; // no cell
    w.T = 0;
    const Calls calls = Draw(w);
    EXPECT_EQ(calls.front(), "TextSize 0");
    EXPECT_EQ(CountOf(calls, "DrawString 0 0 "), 2);
    EXPECT_EQ(CountOf(calls, "DrawString"), 2);
}

TEST_F(Window1GridTest, ClickCopiesTheCellsCodeOnlyWhereThereIsOne)
{
    class Window1& w = EightCodes();
    fw::Clipboard().SetText("before");

    QTest::mouseClick(w.ContentWidget(), Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_EQ(fw::Clipboard().Text(), "3100202");
    EXPECT_EQ(Window2().ListBox1().ListIndex(), -1); // the frame follows the list only

    QTest::mouseClick(w.ContentWidget(), Qt::LeftButton, {}, QPoint(250, 250));
    EXPECT_EQ(fw::Clipboard().Text(), ""); // entry 11: empty

    fw::Clipboard().SetText("before");
    w.T = 0;
    QTest::mouseClick(w.ContentWidget(), Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_EQ(fw::Clipboard().Text(), "before");
}

} // namespace
