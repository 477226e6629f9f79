#include "SubWindowsTestSupport.h"
#include "WindowsTestSupport.h"

#include "RadioButton.h"
#include "StaticText.h"
#include "Window3.h"

#include <QTest>

#include <algorithm>
#include <vector>

namespace {

using subwindows::Item;
using subwindows::PaintCounter;
using subwindows::WaitFor;

class Window3Test : public WindowsTest {
  protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        main = &MainWindow();
    }

    static std::vector<bool> Values(const class Window3& selector)
    {
        return {selector.RadioButton1().Value(), selector.RadioButton2().Value(),
                selector.RadioButton3().Value()};
    }

    /// Makes @p window the active one and waits until its Activate event has run.
    static bool Activate(fw::Window& window)
    {
        window.Show();
        return WaitFor([&window] { return window.Widget()->isActiveWindow(); });
    }

    class Window1* main = nullptr;
};

TEST_F(Window3Test, EachButtonSetsTheMainWindowsSymbolSetAndRepaints)
{
    class Window3& selector = Window3();
    struct Click {
        fw::RadioButton* button;
        std::int32_t symbolSet;
    };
    // In screen order, and the last button once more: its value does not change, yet the
    // main window repaints again.
    const std::vector<Click> clicks = {{&selector.RadioButton1(), 1},
                                       {&selector.RadioButton3(), 4},
                                       {&selector.RadioButton2(), 2},
                                       {&selector.RadioButton2(), 2}};
    for (const Click& click : clicks) {
        SCOPED_TRACE(click.symbolSet);
        PaintCounter paints(*main);
        QTest::mouseClick(click.button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 10));
        EXPECT_EQ(main->symbolSet, click.symbolSet);
        EXPECT_TRUE(click.button->Value());
        EXPECT_TRUE(paints.Repainted());
    }
    // The drawing, not the button, hands the set to the drawing module.
    EXPECT_TRUE(WaitFor([] { return Glycan::symbolSet == 2; }));
}

TEST_F(Window3Test, ActivatingTurnsOnTheButtonOfTheDrawingModulesSet)
{
    // The main window stays hidden, so no drawing copies its set into the drawing module.
    main->Hide();
    main->symbolSet = 1;

    // Right after a load the drawing module holds 2: the first activation turns UOXF on.
    Glycan::symbolSet = 2;
    class Window3& selector = Window3();
    ASSERT_TRUE(WaitFor([&selector] { return selector.Widget()->isActiveWindow(); }));
    EXPECT_EQ(Values(selector), (std::vector<bool>{false, true, false}));

    struct Step {
        std::int32_t symbolSet;
        std::vector<bool> values;
    };
    // Text mode has no button: nothing changes.
    const std::vector<Step> steps = {{4, {false, false, true}},
                                     {3, {false, false, true}},
                                     {1, {true, false, false}},
                                     {2, {false, true, false}}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.symbolSet);
        ASSERT_TRUE(Activate(Window2()));
        Glycan::symbolSet = step.symbolSet;
        ASSERT_TRUE(Activate(selector));
        EXPECT_EQ(Values(selector), step.values);
    }
    EXPECT_EQ(main->symbolSet, 1); // setting a Value raises no Action
}

TEST_F(Window3Test, FileCloseHidesAndChangeSymbolSetBringsTheSameWindowBack)
{
    class Window3& selector = Window3();
    QTest::mouseClick(selector.RadioButton3().Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(8, 10));
    selector.MenuCommand(Item("FileClose"));
    EXPECT_FALSE(selector.Visible());
    EXPECT_FALSE(selector.IsClosed());

    main->MenuCommand(main->ViewSy());
    EXPECT_EQ(&Window3(), &selector);
    EXPECT_TRUE(selector.Visible());
    EXPECT_TRUE(selector.RadioButton3().Value());
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(Window3Test, OpeningEnablesTheMenuBarAndPreparingEnablesClose)
{
    MenuBar1().Enabled(false);
    Item("FileMenu").Enabled(false);
    Item("FileClose").Enabled(false);
    class Window3& selector = Window3();
    EXPECT_TRUE(MenuBar1().Enabled());
    selector.PrepareMenus();
    EXPECT_TRUE(Item("FileMenu").Enabled());
    EXPECT_TRUE(Item("FileClose").Enabled());
}

TEST_F(Window3Test, LayoutIsAFixedSizeWindowWithTheButtonsInScreenOrder)
{
    class Window3& selector = Window3();
    EXPECT_EQ(selector.Title(), "Symbol Selector");
    EXPECT_EQ(selector.Width(), 319);
    EXPECT_EQ(selector.Height(), 127);
    EXPECT_EQ(selector.ContentWidget()->minimumSize(), selector.ContentWidget()->maximumSize());
    EXPECT_FALSE(selector.Widget()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(selector.Widget()->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(Values(selector), (std::vector<bool>{false, false, false})) << "none before Activate";

    // From the top: label, CFG, Greyscale, UOXF.
    std::vector<fw::Control*> controls = {&selector.StaticText1(), &selector.RadioButton1(),
                                          &selector.RadioButton2(), &selector.RadioButton3()};
    std::sort(controls.begin(), controls.end(), [](const fw::Control* a, const fw::Control* b) {
        return a->Widget()->y() < b->Widget()->y();
    });
    QStringList names;
    for (const fw::Control* control : controls) {
        names.append(control->Name());
        EXPECT_EQ(control->Widget()->x(), 34);
        EXPECT_EQ(control->Widget()->font().pixelSize(), 12);
    }
    EXPECT_EQ(names, QStringList({"StaticText1", "RadioButton1", "RadioButton3", "RadioButton2"}));
    EXPECT_EQ(selector.StaticText1().Text(), "Select sugar symbol set:");
    EXPECT_EQ(selector.RadioButton1().Caption(), "Consortium for Functional Glycomics (CFG)");
    EXPECT_EQ(selector.RadioButton2().Caption(), "GlycoBase (UOXF)");
    EXPECT_EQ(selector.RadioButton3().Caption(), "CFG (Greyscale)");

    // Tab order follows the names.
    EXPECT_EQ(selector.RadioButton1().Widget()->nextInFocusChain(),
              selector.RadioButton2().Widget());
    EXPECT_EQ(selector.RadioButton2().Widget()->nextInFocusChain(),
              selector.RadioButton3().Widget());
}

} // namespace
