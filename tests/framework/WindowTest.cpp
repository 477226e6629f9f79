#include "Window.h"
#include "EventScope.h"
#include "FrameworkCoreSupport.h"
#include "Graphics.h"
#include "MenuBar.h"
#include "RuntimeException.h"
#include "WindowAccessor.h"
#include "Yield.h"

#include <QImage>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include <memory>

namespace {

QStringList& events()
{
    static QStringList list;
    return list;
}

// Records its events; its accessor is called during its own creation events.
class EventWindow : public fw::Window {
  public:
    int closeRequests = 0;
    bool refuseClose = false;
    bool closeAgainInClose = false;
    bool instanceDuringLayoutWasSelf = false;

  protected:
    void Layout() override
    {
        events().append("Layout");
        instanceDuringLayoutWasSelf = &fw::Instance<EventWindow>() == this;
        ApplyProperties({{"Title", "Events"}, {"Visible", true}});
    }
    void CreateControls() override { events().append("CreateControls"); }
    void AddMenuHandlers() override { events().append("AddMenuHandlers"); }
    void Open() override { events().append(Widget()->isVisible() ? "Open on screen" : "Open"); }
    bool CancelClose(bool appQuitting) override
    {
        events().append(appQuitting ? "CancelClose quitting" : "CancelClose");
        return refuseClose;
    }
    void CloseEvent() override
    {
        events().append("Close");
        if (closeAgainInClose) {
            fw::Instance<EventWindow>().Close();
        }
    }
};

class DesignWindow : public fw::Window {
  protected:
    void Layout() override
    {
        auto bar = std::make_shared<fw::MenuBar>();
        auto title = std::make_shared<fw::MenuItem>();
        title->Name("FileMenu");
        title->Text("&File");
        bar->Append(title);
        MenuBar(bar);
        ApplyProperties({{"Placement", 0},
                         {"Width", 300},
                         {"Height", 300},
                         {"MinWidth", 64},
                         {"MinHeight", 64},
                         {"MaxWidth", 32000},
                         {"MaxHeight", 32000},
                         {"Frame", 0},
                         {"Composite", false},
                         {"HasBackColor", true},
                         {"BackColor", RGB(255, 255, 255)},
                         {"Title", "Design"},
                         {"Visible", true},
                         {"FullScreen", false},
                         {"MenuBarVisible", true},
                         {"CloseButton", true},
                         {"Resizeable", true},
                         {"LiveResize", false},
                         {"MaximizeButton", true},
                         {"MinimizeButton", true},
                         {"MacProcID", 0}});
    }
};

class FixedWindow : public fw::Window {
  protected:
    void Layout() override
    {
        ApplyProperties({{"Placement", 2},
                         {"Width", 146},
                         {"Height", 540},
                         {"HasBackColor", false},
                         {"Visible", true},
                         {"MenuBarVisible", true},
                         {"Resizeable", false},
                         {"MaximizeButton", false},
                         {"MinimizeButton", true}});
    }
};

class PaintWindow : public fw::Window {
  public:
    int paints = 0;
    bool failPaint = false;
    QList<QPoint> clicks;
    int resizes = 0;

  protected:
    void Layout() override
    {
        ApplyProperties({{"Width", 120},
                         {"Height", 80},
                         {"HasBackColor", true},
                         {"BackColor", RGB(0, 0, 0)},
                         {"MenuBarVisible", false},
                         {"Visible", true}});
    }
    void Paint(Graphics& g) override
    {
        ++paints;
        // A yield inside Paint must not paint again.
        for (int i = 0; i < 1000; ++i) {
            fw::YieldToFramework();
        }
        g.ForeColor(RGB(255, 0, 0));
        g.DrawRect(10, 10, 20, 20);
        if (failPaint) {
            throw fw::OutOfBoundsException("cell 10001");
        }
    }
    bool MouseDown(int x, int y) override
    {
        clicks.append(QPoint(x, y));
        return false;
    }
    void Resized() override { ++resizes; }
};

QImage grab(fw::Window& w) { return w.ContentWidget()->grab().toImage(); }

class WindowTest : public FrameworkTest {
  protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        events().clear();
    }
};

TEST_F(WindowTest, AccessorCreatesOnceAndRaisesCreationEventsInOrder)
{
    auto& w = fw::Instance<EventWindow>();
    EXPECT_EQ(&fw::Instance<EventWindow>(), &w);
    EXPECT_TRUE(w.instanceDuringLayoutWasSelf);
    // Visible from Layout on, the window appears once Open has run.
    EXPECT_EQ(events(), QStringList({"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Widget()->objectName(), "EventWindow");
    EXPECT_EQ(w.Title(), "Events");
}

TEST_F(WindowTest, CloseRunsCancelCloseThenCloseAndTheAccessorMakesANewWindow)
{
    auto* first = &fw::Instance<EventWindow>();
    events().clear();
    first->Close();
    EXPECT_EQ(events(), QStringList({"CancelClose", "Close"}));
    EXPECT_TRUE(first->IsClosed());
    EXPECT_FALSE(first->Widget()->isVisible());
    first->Close(); // no effect after the close
    EXPECT_EQ(events().size(), 2);

    auto& second = fw::Instance<EventWindow>();
    EXPECT_NE(&second, first);
    EXPECT_FALSE(second.IsClosed());
    QCoreApplication::processEvents(); // the closed window is deleted now
    EXPECT_EQ(fw::WindowRegistry::OpenWindows().size(), 1u);
}

TEST_F(WindowTest, CloseDuringItsOwnCloseEventHasNoFurtherEffect)
{
    auto& w = fw::Instance<EventWindow>();
    w.closeAgainInClose = true;
    events().clear();
    w.Close();
    EXPECT_EQ(events(), QStringList({"CancelClose", "Close"}));
    // The nested Close reached the closing window itself: no second window was made.
    EXPECT_EQ(fw::WindowRegistry::OpenWindows().size(), 0u);
}

TEST_F(WindowTest, CancelCloseTrueKeepsTheWindowAlsoFromTheTitleBar)
{
    auto& w = fw::Instance<EventWindow>();
    w.refuseClose = true;
    events().clear();
    EXPECT_FALSE(w.Widget()->close());
    EXPECT_EQ(events(), QStringList({"CancelClose"}));
    EXPECT_TRUE(w.Widget()->isVisible());
    EXPECT_EQ(&fw::Instance<EventWindow>(), &w);

    w.refuseClose = false;
    EXPECT_TRUE(w.Widget()->close());
    EXPECT_EQ(events(), QStringList({"CancelClose", "CancelClose", "Close"}));
    EXPECT_TRUE(w.IsClosed());
}

TEST_F(WindowTest, ClosedWindowIsNotDeletedWhileAHandlerRuns)
{
    auto& w = fw::Instance<EventWindow>();
    {
        fw::EventScope handler; // as inside a menu handler that closed it
        w.Close();
        QCoreApplication::processEvents();
        EXPECT_EQ(w.Title(), "Events"); // still alive
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(fw::WindowRegistry::OpenWindows().empty());
}

TEST_F(WindowTest, DestroyAllDeletesTheWindowsAndWhatWaitsForTheNextIdleTime)
{
    QPointer<QWidget> frame = fw::Instance<EventWindow>().Widget();
    // A widget taken off its window and left for deletion, as at exit, when no idle time
    // comes any more.
    QPointer<QWidget> detached = new QWidget;
    fw::WindowRegistry::DeleteWhenIdle(detached);
    fw::WindowRegistry::DestroyAll();
    EXPECT_TRUE(frame.isNull());
    EXPECT_TRUE(detached.isNull());
    EXPECT_TRUE(fw::WindowRegistry::OpenWindows().empty());
}

TEST_F(WindowTest, DesignTimePropertiesGiveTheContentSizeBelowTheMenuBar)
{
    auto& w = fw::Instance<DesignWindow>();
    QWidget* frame = w.Widget();
    ASSERT_TRUE(frame->isVisible());
    ASSERT_NE(frame->findChild<QMenuBar*>(), nullptr);
    EXPECT_EQ(w.ContentWidget()->size(), QSize(300, 300));
    EXPECT_EQ(w.Width(), 300);
    EXPECT_EQ(w.Height(), 300);
    EXPECT_GT(frame->height(), 300); // the menu bar sits above the content
    const int menuHeight = frame->height() - 300;
    EXPECT_EQ(frame->minimumSize(), QSize(64, 64 + menuHeight));
    EXPECT_EQ(frame->maximumSize(), QSize(32000, 32000 + menuHeight));
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w.BackColor(), RGB(255, 255, 255));
    EXPECT_EQ(w.Title(), "Design");
}

TEST_F(WindowTest, NotResizeableWindowHasAFixedSizeAndNoMaximizeButton)
{
    auto& w = fw::Instance<FixedWindow>();
    QWidget* frame = w.Widget();
    EXPECT_EQ(w.Width(), 146);
    EXPECT_EQ(w.Height(), 540);
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(WindowTest, PaintDrawsOnTheBackColourWithoutRepaintingFromAYield)
{
    auto& w = fw::Instance<PaintWindow>();
    const QImage image = grab(w);
    EXPECT_EQ(w.paints, 1);
    EXPECT_EQ(image.pixelColor(60, 60), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(10, 20), QColor(255, 0, 0));

    w.BackColor(RGB(255, 255, 255));
    EXPECT_EQ(grab(w).pixelColor(60, 60), QColor(255, 255, 255));
}

TEST_F(WindowTest, PaintExceptionIsReportedAfterThePainting)
{
    auto& w = fw::Instance<PaintWindow>();
    w.failPaint = true;
    grab(w);
    EXPECT_TRUE(reports.isEmpty());
    QCoreApplication::processEvents();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("OutOfBoundsException"));
    EXPECT_TRUE(reports[0].contains("cell 10001"));
}

TEST_F(WindowTest, MouseDownGetsContentCoordinatesAndResizedFollowsResizing)
{
    auto& w = fw::Instance<PaintWindow>();
    QTest::mouseClick(w.ContentWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(17, 23));
    ASSERT_EQ(w.clicks.size(), 1);
    EXPECT_EQ(w.clicks[0], QPoint(17, 23));

    const int before = w.resizes;
    w.Widget()->resize(200, 150);
    EXPECT_GT(w.resizes, before);
    EXPECT_EQ(w.Width(), 200);
    EXPECT_EQ(w.Height(), 150);
}

TEST_F(WindowTest, ShowHideMaximizeAndAcceptFileDrop)
{
    auto& w = fw::Instance<DesignWindow>();
    w.Hide();
    EXPECT_FALSE(w.Visible());
    w.Visible(true);
    EXPECT_TRUE(w.Visible());
    w.Maximize();
    EXPECT_TRUE(w.Widget()->windowState() & Qt::WindowMaximized);
    w.AcceptFileDrop("TextPlain");
    EXPECT_EQ(w.AcceptedFileDrops(), QStringList({"TextPlain"}));
}

TEST_F(WindowTest, ExceptionInACreationEventIsReportedAndCreationGoesOn)
{
    class Failing : public fw::Window {
      protected:
        void CreateControls() override { throw fw::IOException("disk"); }
        void Open() override { events().append("Open"); }
    };
    fw::Instance<Failing>();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("IOException"));
    EXPECT_EQ(events(), QStringList({"Open"}));
}

} // namespace
