#include "WindowsTestSupport.h"

#include "Clipboard.h"
#include "CodeDigits.h"
#include "RecordingGraphics.h"

#include "Yield.h"

#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

namespace {

using Calls = std::vector<std::string>;

long CountOf(const Calls& calls, const std::string& prefix)
{
    return std::count_if(calls.begin(), calls.end(),
                         [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
}

class Window1GridTest : public WindowsTest {
  protected:
    /// The 300 by 300 main window with eight codes; entries 2 and 5 hold the same code.
    class Window1& EightCodes()
    {
        class Window1& w = MainWindow();
        const QStringList codes{"3000000", "3100000", "3100202", "3011111",
                                "4000200", "3100202", "5000022", "9000000"};
        std::copy(codes.begin(), codes.end(), w.G.begin());
        w.T = 8;
        EXPECT_EQ(w.Width(), 300);
        EXPECT_EQ(w.Height(), 300);
        return w;
    }

    static Calls Draw(class Window1& w)
    {
        RecordingGraphics g;
        w.drawGraph(g);
        return g.calls();
    }
};

TEST_F(Window1GridTest, StructureTextAndFrameOfEachCell)
{
    class Window1& w = EightCodes();
    w.symbolSet = Glycan::SymbolSetCFGGreyscale;
    w.BackColor(RGB(0, 0, 0));
    Window2().ListBox1().AddRow("3100202");
    Window2().ListBox1().ListIndex(Window2().ListBox1().RowCount() - 1);

    Calls calls = Draw(w);
    EXPECT_EQ(Glycan::symbolSet, Glycan::SymbolSetCFGGreyscale);
    EXPECT_EQ(calls.front(), "TextSize 6");
    // Row 1, column 1 shows entry 5: its structure, white text, red frame, in this order.
    RecordingGraphics structure;
    Glycan::SetCodeDigits("3100202");
    Glycan::BuildStructure(&structure, 177, 109, 3.0);
    Calls cell = structure.calls();
    cell.insert(cell.end(),
                {"ForeColor 0 0 0", "ForeColor 255 255 255", "DrawString 133 146 3100202",
                 "ForeColor 0 0 0", "ForeColor 255 0 0", "PenWidth 2", "DrawRect 100 75 100 75",
                 "ForeColor 0 0 0", "PenWidth 1"});
    EXPECT_NE(std::search(calls.begin(), calls.end(), cell.begin(), cell.end()), calls.end());
    // Entry 2 (row 2, column 0) is framed as well, and nothing else is.
    EXPECT_EQ(CountOf(calls, "DrawRect 0 150 100 75"), 1);
    EXPECT_EQ(CountOf(calls, "PenWidth 2"), 2);
    EXPECT_EQ(CountOf(calls, "DrawString"), 8);

    w.BackColor(RGB(10, 20, 30));
    calls = Draw(w);
    EXPECT_EQ(CountOf(calls, "DrawString"), 8);
    EXPECT_EQ(CountOf(calls, "ForeColor 255 255 255"), 0);
    w.showIDs = false;
    EXPECT_EQ(CountOf(Draw(w), "DrawString"), 0);
}

TEST_F(Window1GridTest, ClosedCodeWindowComesBackEmpty)
{
    class Window1& w = EightCodes();
    Window2().Close();
    const Calls calls = Draw(w);
    EXPECT_NE(fw::WindowRegistry::Live(typeid(class Window2)), nullptr);
    EXPECT_EQ(Window2().ListBox1().RowCount(), 0);
    EXPECT_EQ(CountOf(calls, "PenWidth 2"), 0);
}

/// Records the drawing and runs @p duringText from within its second DrawString.
class InterruptedGraphics : public RecordingGraphics {
  public:
    explicit InterruptedGraphics(std::function<void()> duringText)
        : duringText_(std::move(duringText))
    {
    }
    void DrawString(const std::string& text, std::int32_t x, std::int32_t y, std::int32_t wrap,
                    bool condense) override
    {
        RecordingGraphics::DrawString(text, x, y, wrap, condense);
        if (++texts_ == 2) {
            duringText_();
        }
    }

  private:
    std::function<void()> duringText_;
    int texts_ = 0;
};

TEST_F(Window1GridTest, FramesFollowASelectionThatEventsChangeDuringTheDrawing)
{
    class Window1& w = EightCodes();
    fw::Listbox& list = Window2().ListBox1();
    list.AddRow("3100202");
    list.AddRow("3100000");
    const int last = list.RowCount() - 1;
    list.ListIndex(last - 1);
    // After the first text (entry 0) and the second (entry 4), a yield runs an event that
    // selects entry 1's code; entry 1 (row 1) comes later, entries 2 and 5 as well.
    InterruptedGraphics g([&list, last] {
        QTimer::singleShot(0, [&list, last] { list.ListIndex(last); });
        const auto turns = fw::YieldedTurns();
        while (fw::YieldedTurns() == turns) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            fw::YieldToFramework();
        }
    });
    w.drawGraph(g);
    EXPECT_EQ(list.Text(), "3100000");
    EXPECT_EQ(CountOf(g.calls(), "DrawRect 0 75 100 75"), 1);
    EXPECT_EQ(CountOf(g.calls(), "PenWidth 2"), 1);
}

TEST_F(Window1GridTest, CodeTextsAreWrittenWholeInUtf8)
{
    class Window1& w = EightCodes();
    w.G[0] = QStringLiteral("3100202\u00e9\U0001F600");
    const Calls calls = Draw(w);
    EXPECT_EQ(CountOf(calls, "DrawString 33 71 3100202\u00e9\U0001F600"), 1);
    EXPECT_EQ(CountOf(calls, "DrawString 33 146 3100000"), 1);
}

TEST_F(Window1GridTest, CellsPastTheCodeListAreEmpty)
{
    // 141 rows by 71 columns: ten cells more than the list holds.
    class Window1& w = MainWindow();
    std::fill(w.G.begin(), w.G.end(), QStringLiteral("3000000"));
    w.T = 10001;
    EXPECT_EQ(CountOf(Draw(w), "DrawString"), 10001);
}

TEST_F(Window1GridTest, ClickCopiesTheCellsCodeOnlyWhereThereIsOne)
{
    class Window1& w = EightCodes();
    fw::Clipboard().SetText("before");
    QTest::mouseClick(w.ContentWidget(), Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_EQ(fw::Clipboard().Text(), "3100202");
    QTest::mouseClick(w.ContentWidget(), Qt::LeftButton, {}, QPoint(250, 250));
    EXPECT_EQ(fw::Clipboard().Text(), ""); // entry 11 is empty

    fw::Clipboard().SetText("before");
    w.T = 0;
    QTest::mouseClick(w.ContentWidget(), Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_EQ(fw::Clipboard().Text(), "before");
}

} // namespace
