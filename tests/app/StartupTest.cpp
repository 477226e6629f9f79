#include "Startup.h"
#include "AppTestSupport.h"
#include "FileType.h"
#include "FolderItem.h"
#include "Glycan.h"
#include "PluginEntrypoints.h"
#include "RegExEntrypoints.h"
#include "Window1.h"
#include "WindowAccessor.h"

#include <QTimer>

#include <cstdlib>
#include <typeinfo>

namespace {

class Startup : public AppTest {};

/// What start-up has done so far, as the checks below see it.
struct StartupState {
    bool appRegistered = false;
    bool appHasMenuBar1 = false;
    bool appHandlersBound = false;
    bool fileTypeRegistered = false;
    int boundRegExEntries = 0;
};

StartupState currentState()
{
    StartupState state;
    auto* app = dynamic_cast<class App*>(fw::GetAppObject());
    state.appRegistered = app != nullptr;
    state.appHasMenuBar1 = app != nullptr && app->MenuBar() == MenuBar1Instance();
    state.appHandlersBound = app != nullptr && app->Handlers().Has("WindowCodewindow") &&
                             app->Handlers().Has("WindowGlycanwindow");
    state.fileTypeRegistered =
        codes::FileTypes::pText != nullptr && codes::FileTypes::pText->IsRegistered();
    for (int i = 0; i < PluginEntrypointsTable().Count(); ++i) {
        state.boundRegExEntries += PluginEntrypointsTable().Get(i).IsEmpty() ? 0 : 1;
    }
    return state;
}

TEST_F(Startup, StaticSetUpGivesDrawingDefaultsAndCreatesNothing)
{
    Glycan::symbolSet = 3;
    Glycan::userMag = 99.0;
    Glycan::GlyCode[4] = 7;

    InitializeStatics();

    EXPECT_EQ(Glycan::symbolSet, 1);
    EXPECT_EQ(Glycan::userMag, 10.0);
    EXPECT_EQ(Glycan::GlyCode[4], 0);
    EXPECT_EQ(fw::GetAppObject(), nullptr);
    EXPECT_TRUE(fw::WindowRegistry::OpenWindows().empty());
}

TEST_F(Startup, BindsEverythingBeforeTheMainWindowIsMadeLast)
{
    // The main window's first load (no document, no library) asks for a file: by then
    // every earlier step must be done.
    std::optional<StartupState> whenMainWindowOpened;
    onOpenDialog = [&] { whenMainWindowOpened = currentState(); };

    InitializeStatics();
    fw::RunFrameworkInitialization(_Startup);

    ASSERT_TRUE(whenMainWindowOpened.has_value());
    EXPECT_TRUE(whenMainWindowOpened->appRegistered);
    EXPECT_TRUE(whenMainWindowOpened->appHasMenuBar1);
    EXPECT_TRUE(whenMainWindowOpened->appHandlersBound);
    EXPECT_TRUE(whenMainWindowOpened->fileTypeRegistered);
    EXPECT_EQ(whenMainWindowOpened->boundRegExEntries, RegExEntryCount);

    EXPECT_EQ(PluginEntrypointsTable().Count(), RegExEntryCount);
    const fw::FileType* registered = fw::FileType::Registered("text/plain");
    ASSERT_NE(registered, nullptr);
    EXPECT_EQ(registered, codes::FileTypes::pText.get());
    EXPECT_EQ(registered->MacType(), "TEXT");

    ASSERT_EQ(fw::WindowRegistry::OpenWindows().size(), 2u); // the main and the code window
    EXPECT_EQ(fw::WindowRegistry::Live(typeid(class Window1)), &Window1());
    EXPECT_EQ(Window1().MenuBar(), MenuBar1Instance());
    EXPECT_TRUE(MenuBar1().Enabled());
    EXPECT_EQ(openDialogs.size(), 1);
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(Startup, LaunchDocumentIsLoadedWithoutTheOpenDialog)
{
    const QString path = writeCodes("launch.txt", {"3100202", "4000200"});
    fw::RequestOpenDocument(fw::FolderItem::FromPath(path));

    InitializeStatics();
    fw::RunFrameworkInitialization(_Startup);

    EXPECT_TRUE(openDialogs.isEmpty());
    ASSERT_NE(App().droppedFile, nullptr);
    EXPECT_EQ(App().droppedFile->Path(), path);
    EXPECT_EQ(Window1().T, 2);
    EXPECT_EQ(Window1().G[1], "4000200");
    EXPECT_EQ(Window1().Title(), "Tamberlo:launch.txt");
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(Startup, StaticReleaseDropsMenuBarAndFileType)
{
    InitializeStatics();
    fw::RunFrameworkInitialization(_Startup);
    const std::shared_ptr<class MenuBar1> bar = MenuBar1Instance();

    FinalizeStatics();

    EXPECT_EQ(codes::FileTypes::pText, nullptr);
    EXPECT_EQ(fw::FileType::Registered("text/plain"), nullptr);
    EXPECT_NE(MenuBar1Instance(), bar);
}

/// The process from entry to exit, as main runs it, with a document named at launch; the
/// main window is closed from the event loop. Exits 0 when the document was loaded without
/// an Open dialog and the run ended with the status Quit was given.
[[noreturn]] void runWholeProgram(const QString& document)
{
    static int argc = 2;
    static QByteArray path = document.toUtf8();
    static char name[] = "tamberlo";
    static char* argv[] = {name, path.data(), nullptr};
    static bool loaded = false;
    fw::RuntimeInit(argc, argv);
    fw::DialogSeam::openFile = [](const QString&) -> std::optional<QString> { std::_Exit(2); };
    QTimer::singleShot(0, [] {
        loaded = Window1().T == 2 && App().droppedFile != nullptr;
        Window1().Close();
    });
    InitializeStatics();
    _Main();
    FinalizeStatics();
    const int status = fw::RuntimeExit();
    std::exit(status == 0 && loaded ? 0 : 1);
}

// A test of its own, without the fixture: the run must make the Qt application itself, with
// the launch arguments.
TEST(WholeRun, LoadsTheLaunchDocumentAndEndsWhenTheMainWindowCloses)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8()); // no library
    const QString path = home.filePath("launch.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("3100202\n4000200\n");
    file.close();

    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runWholeProgram(path), ::testing::ExitedWithCode(0), "");
    qunsetenv("XDG_CONFIG_HOME");
}

} // namespace
