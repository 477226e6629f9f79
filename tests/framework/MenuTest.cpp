#include "FrameworkCoreSupport.h"
#include "MenuBar.h"
#include "QuitMenuItem.h"
#include "RuntimeException.h"
#include "Shortcut.h"
#include "Window.h"
#include "WindowAccessor.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include <memory>

namespace {

std::shared_ptr<fw::MenuItem> item(const QString& name, const QString& text,
                                   const QString& shortcut = {}, bool autoEnable = true)
{
    auto made = std::make_shared<fw::MenuItem>();
    made->Name(name);
    made->Text(text);
    made->KeyboardShortcut(shortcut);
    made->AutoEnable(autoEnable);
    return made;
}

// File: New (no auto-enable), Open, separator, Quit; Window: Glycan window, Code window.
std::shared_ptr<fw::MenuBar> testBar()
{
    auto bar = std::make_shared<fw::MenuBar>();
    bar->Append(item("FileMenu", "&File"));
    bar->Append(item("WindowMenu", "Window"));
    fw::MenuItem& file = *bar->Child("FileMenu");
    file.Append(item("FileNew", "New", "Cmd+N", false));
    file.Append(item("FileOpen", "Open", "Cmd+O"));
    file.Append(item("UntitledSeparator", "-"));
    auto quit = std::make_shared<fw::QuitMenuItem>();
    quit->Name("FileQuit");
    quit->Text("&Quit");
    quit->KeyboardShortcut("Cmd+Q");
    quit->AutoEnable(true);
    file.Append(quit);
    bar->Child("WindowMenu")->Append(item("WindowGlycanwindow", "Glycan window"));
    bar->Child("WindowMenu")->Append(item("WindowCodewindow", "Code window"));
    return bar;
}

QStringList& calls()
{
    static QStringList list;
    return list;
}

class MenuWindow : public fw::Window {
  public:
    static std::shared_ptr<fw::MenuBar> bar;
    int enableMenuItemsCount = 0;

  protected:
    void Layout() override
    {
        MenuBar(bar);
        ApplyProperties({{"Visible", true}});
    }
    void AddMenuHandlers() override
    {
        AddMenuHandler("FileOpen", [] {
            calls().append("window FileOpen");
            return false;
        });
        AddMenuHandler("WIndowCodeWindow", [] {
            calls().append("window WIndowCodeWindow");
            return true;
        });
    }
    void EnableMenuItems() override
    {
        ++enableMenuItemsCount;
        fw::NotNil(MenuBar()->Lookup("WindowMenu")).Enabled(true);
    }
};
std::shared_ptr<fw::MenuBar> MenuWindow::bar;

class App : public fw::Application {
  public:
    int activations = 0;
    void Activate() override { ++activations; }
};

class MenuDispatchTest : public FrameworkTest {
  protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        calls().clear();
        MenuWindow::bar = testBar();
        auto app = std::make_unique<App>();
        app->MenuBar(MenuWindow::bar);
        app->AddMenuHandler("FileOpen", [] {
            calls().append("app FileOpen");
            return true;
        });
        app->AddMenuHandler("WindowCodewindow", [] {
            calls().append("app WindowCodewindow");
            return true;
        });
        fw::RegisterAppObject(std::move(app));
    }

    QAction* action(fw::Window& w, const char* name)
    {
        return w.Widget()->findChild<QAction*>(QString::fromLatin1(name));
    }
};

TEST(MenuTree, AppendChildAndLookupAtAnyDepth)
{
    const auto bar = testBar();
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(0).Name(), "FileMenu");
    EXPECT_EQ(bar->Child("FileMenu")->Item(3).Text(), "&Quit");
    // Child sees direct children only; Lookup searches below the titles too.
    EXPECT_EQ(bar->Child("FileOpen"), nullptr);
    ASSERT_NE(bar->Lookup("FileOpen"), nullptr);
    EXPECT_EQ(bar->Lookup("FileOpen")->Parent(), bar->Child("FileMenu"));
    EXPECT_NE(dynamic_cast<fw::QuitMenuItem*>(bar->Lookup("FileQuit")), nullptr);
    EXPECT_EQ(bar->Lookup("windowcodewindow"), bar->Lookup("WindowCodewindow"));
    EXPECT_EQ(bar->Lookup("NoSuchItem"), nullptr);
    EXPECT_TRUE(bar->Lookup("UntitledSeparator")->IsSeparator());
    EXPECT_THROW(bar->Item(2), fw::OutOfBoundsException);
    // An item belongs to one menu only.
    auto loose = item("Loose", "Loose");
    bar->Append(loose);
    EXPECT_THROW(bar->Child("FileMenu")->Append(loose), fw::RuntimeException);
}

TEST(MenuShortcut, ConvertsCommandOptionAndShiftNames)
{
    EXPECT_EQ(fw::KeySequenceFromShortcut("Cmd+N"), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(fw::KeySequenceFromShortcut("Cmd+Shift+S"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(fw::KeySequenceFromShortcut("Cmd+Option+P"),
              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P));
    EXPECT_EQ(fw::KeySequenceFromShortcut("Cmd+i"), QKeySequence(Qt::CTRL | Qt::Key_I));
    EXPECT_TRUE(fw::KeySequenceFromShortcut("").isEmpty());
    EXPECT_TRUE(fw::KeySequenceFromShortcut("Hyper+X").isEmpty());
}

TEST_F(MenuDispatchTest, BuildsQtMenusNamedAfterTheItems)
{
    auto& w = fw::Instance<MenuWindow>();
    QMenu* file = w.Widget()->findChild<QMenu*>("FileMenu");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), "&File");
    QAction* open = action(w, "FileOpen");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(open->shortcutContext(), Qt::WindowShortcut);
    EXPECT_TRUE(action(w, "UntitledSeparator")->isSeparator());
    EXPECT_EQ(file->actions().size(), 4);
}

TEST_F(MenuDispatchTest, WindowHandlerFirstThenApplicationOnFalse)
{
    auto& w = fw::Instance<MenuWindow>();
    action(w, "FileOpen")->trigger();
    EXPECT_EQ(calls(), QStringList({"window FileOpen", "app FileOpen"}));
}

TEST_F(MenuDispatchTest, HandlerNamesMatchRegardlessOfCase)
{
    auto& w = fw::Instance<MenuWindow>();
    action(w, "WindowCodewindow")->trigger();
    // The window's "WIndowCodeWindow" binding takes the item and returns True.
    EXPECT_EQ(calls(), QStringList({"window WIndowCodeWindow"}));
}

TEST_F(MenuDispatchTest, QuitItemQuitsOnlyWhenNoHandlerTookIt)
{
    auto& w = fw::Instance<MenuWindow>();
    action(w, "FileQuit")->trigger();
    EXPECT_TRUE(fw::QuitRequested());

    fw::ResetQuit();
    w.AddMenuHandler("FileQuit", [] { return true; });
    action(w, "FileQuit")->trigger();
    EXPECT_FALSE(fw::QuitRequested());
}

TEST_F(MenuDispatchTest, OnlyCommandsWithAHandlerAreEnabled)
{
    auto& w = fw::Instance<MenuWindow>();
    EXPECT_TRUE(action(w, "FileOpen")->isEnabled());
    EXPECT_TRUE(action(w, "FileQuit")->isEnabled());
    EXPECT_TRUE(action(w, "WindowCodewindow")->isEnabled());
    EXPECT_FALSE(action(w, "FileNew")->isEnabled());
    EXPECT_FALSE(action(w, "WindowGlycanwindow")->isEnabled());

    // A handler bound later enables its item at once.
    w.AddMenuHandler("windowglycanwindow", [] { return true; });
    EXPECT_TRUE(action(w, "WindowGlycanwindow")->isEnabled());
}

TEST_F(MenuDispatchTest, TitlesAndBarFollowTheirEnabled)
{
    auto& w = fw::Instance<MenuWindow>();
    QMenu* windowMenu = w.Widget()->findChild<QMenu*>("WindowMenu");
    MenuWindow::bar->Child("WindowMenu")->Enabled(false);
    EXPECT_FALSE(windowMenu->menuAction()->isEnabled());
    EXPECT_FALSE(action(w, "WindowCodewindow")->isEnabled());

    MenuWindow::bar->Enabled(false);
    EXPECT_FALSE(action(w, "FileOpen")->isEnabled());
    MenuWindow::bar->Enabled(true);
    EXPECT_TRUE(action(w, "FileOpen")->isEnabled());

    // Preparing the menus runs EnableMenuItems, which enables the title again.
    const int before = w.enableMenuItemsCount;
    w.PrepareMenus();
    EXPECT_EQ(w.enableMenuItemsCount, before + 1);
    EXPECT_TRUE(windowMenu->menuAction()->isEnabled());
    EXPECT_TRUE(action(w, "WindowCodewindow")->isEnabled());
}

TEST_F(MenuDispatchTest, AutoEnableReenablesItemsThatHaveHandlers)
{
    auto& w = fw::Instance<MenuWindow>();
    fw::MenuItem& open = *MenuWindow::bar->Lookup("FileOpen");
    fw::MenuItem& fresh = *MenuWindow::bar->Lookup("FileNew");
    open.Enabled(false);
    fresh.Enabled(false);
    w.PrepareMenus();
    EXPECT_TRUE(open.Enabled());
    EXPECT_FALSE(fresh.Enabled()); // AutoEnable False: left as the program set it
}

TEST_F(MenuDispatchTest, OpeningAMenuPreparesIt)
{
    auto& w = fw::Instance<MenuWindow>();
    const int before = w.enableMenuItemsCount;
    emit w.Widget()->findChild<QMenu*>("FileMenu")->aboutToShow();
    EXPECT_EQ(w.enableMenuItemsCount, before + 1);
}

TEST_F(MenuDispatchTest, AFailingHandlerIsReportedAndEndsTheCommand)
{
    auto& w = fw::Instance<MenuWindow>();
    w.AddMenuHandler("FileOpen", []() -> bool { throw fw::NilObjectException("no file"); });
    action(w, "FileOpen")->trigger();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("NilObjectException"));
    EXPECT_TRUE(reports[0].contains("no file"));
    EXPECT_TRUE(calls().isEmpty()); // the application's handler did not run
}

TEST_F(MenuDispatchTest, ShortcutsOfTheActiveWindowRunTheirCommands)
{
    auto& w = fw::Instance<MenuWindow>();
    w.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.Widget()));
    QTest::keyClick(w.Widget(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(calls(), QStringList({"window FileOpen", "app FileOpen"}));
    // Ctrl+N has no handler: its action is disabled, so nothing runs.
    QTest::keyClick(w.Widget(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(calls().size(), 2);
}

TEST_F(MenuDispatchTest, AHandlerMayCloseItsWindowAndGoOnWorking)
{
    auto& w = fw::Instance<MenuWindow>();
    w.AddMenuHandler("FileOpen", [&w] {
        w.Close();
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents(); // as a yield would
        }
        calls().append(w.Title()); // the window is still there
        return true;
    });
    QAction* open = action(w, "FileOpen");
    open->trigger();
    EXPECT_EQ(calls(), QStringList({""}));
    EXPECT_TRUE(WaitFor([] { return fw::WindowRegistry::OpenWindows().empty(); }));
    QPointer<QAction> gone(open);
    EXPECT_TRUE(WaitFor([&gone] { return gone.isNull(); }));
}

class OtherWindow : public fw::Window {
  protected:
    void Layout() override { ApplyProperties({{"Visible", true}}); }
};

TEST_F(MenuDispatchTest, ActivationPreparesTheWindowsMenus)
{
    auto& w = fw::Instance<MenuWindow>();
    w.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.Widget()));
    auto& other = fw::Instance<OtherWindow>();
    other.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(other.Widget()));
    // The other window shows the application's bar with its own handlers: none.
    EXPECT_FALSE(other.Widget()->findChild<QAction*>("WindowGlycanwindow")->isEnabled());
    EXPECT_TRUE(other.Widget()->findChild<QAction*>("WindowCodewindow")->isEnabled());

    const int prepared = w.enableMenuItemsCount;
    w.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.Widget()));
    EXPECT_EQ(w.enableMenuItemsCount, prepared + 1);
}

TEST_F(MenuDispatchTest, ApplicationComingToTheFrontRaisesActivate)
{
    const auto* app = static_cast<App*>(fw::GetAppObject());
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(app->activations, 1);
}

} // namespace
