#include "Startup.h"
#include "App.h"
#include "AppObject.h"
#include "DialogSeam.h"
#include "FileType.h"
#include "FileTypes.h"
#include "FolderItem.h"
#include "Glycan.h"
#include "Listbox.h"
#include "MenuBar1.h"
#include "PluginEntrypoints.h"
#include "Quit.h"
#include "RegExEntrypoints.h"
#include "Runtime.h"
#include "Window1.h"
#include "Window2.h"
#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>
#include <typeinfo>

#include <gtest/gtest.h>

namespace {

QString writeCodes(const QTemporaryDir& dir, const QString& name, const QByteArray& text)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
}

/// Start-up on a machine without a library: the first load asks for a file, and every Open
/// dialog is counted and cancelled. Afterwards nothing of the run is left.
class StartupSequence : public ::testing::Test {
  protected:
    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "startup_tests";
            static char* argv[] = {name, nullptr};
            fw::RuntimeInit(argc, argv);
        }
        fw::DialogSeam::openFile = [this](const QString&) -> std::optional<QString> {
            ++openDialogs;
            if (onOpenDialog) {
                onOpenDialog();
            }
            return std::nullopt;
        };
        fw::DialogSeam::message = [this](const QString&, const QString& text) {
            reports.append(text);
        };
    }

    void TearDown() override
    {
        fw::WindowRegistry::DestroyAll();
        fw::RegisterAppObject(nullptr);
        fw::ResetQuit();
        FinalizeStatics();
        fw::DialogSeam::reset();
        qunsetenv("XDG_CONFIG_HOME");
    }

    void start()
    {
        InitializeStatics();
        fw::RunFrameworkInitialization(Startup);
    }

    std::shared_ptr<fw::FolderItem> document(const QString& name, const QByteArray& text)
    {
        return fw::FolderItem::FromPath(writeCodes(home, name, text));
    }

    QTemporaryDir home;
    int openDialogs = 0;
    std::function<void()> onOpenDialog;
    QStringList reports;
};

TEST_F(StartupSequence, DrawingDefaultsFirstAndTheMainWindowLast)
{
    Glycan::symbolSet = 3;
    InitializeStatics();
    EXPECT_EQ(Glycan::symbolSet, 1);
    EXPECT_EQ(fw::GetAppObject(), nullptr);

    // The main window's first load asks for a file: every earlier step must be done by then.
    bool readyForMainWindow = false;
    onOpenDialog = [&] {
        auto* app = dynamic_cast<class App*>(fw::GetAppObject());
        int bound = 0;
        for (int i = 0; i < PluginEntrypointsTable().Count(); ++i) {
            bound += PluginEntrypointsTable().Get(i).IsEmpty() ? 0 : 1;
        }
        readyForMainWindow =
            bound == RegExEntryCount && app != nullptr && app->MenuBar() == MenuBar1Instance() &&
            app->Handlers().Has("WindowCodewindow") && app->Handlers().Has("WindowGlycanwindow") &&
            codes::FileTypes::pText != nullptr && codes::FileTypes::pText->IsRegistered();
    };
    fw::RunFrameworkInitialization(Startup);

    EXPECT_TRUE(readyForMainWindow);
    EXPECT_EQ(openDialogs, 1);
    EXPECT_EQ(Window1().MenuBar(), MenuBar1Instance());
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(StartupSequence, EachDocumentReplacesTheLastAndNoDocumentChangesNothing)
{
    start();
    App().OpenDocument(document("first.txt", "3100202\n4000200\n5000022\n"));
    App().OpenDocument(document("second.txt", "9000000\n"));
    App().OpenDocument(nullptr);

    ASSERT_NE(App().droppedFile, nullptr);
    EXPECT_EQ(App().droppedFile->Name().toStdString(), "second.txt");
    EXPECT_EQ(Window1().T, 1);
    EXPECT_EQ(Window1().G[0].toStdString(), "9000000");
    EXPECT_TRUE(Window1().G[1].isEmpty());
    EXPECT_EQ(Window2().ListBox1().RowCount(), 1);
    EXPECT_EQ(openDialogs, 1); // the first load's only
}

TEST_F(StartupSequence, ApplicationsWindowMenuHandlersShowTheWindows)
{
    start();
    Window2().Close();
    Window1().Hide();
    ASSERT_EQ(fw::WindowRegistry::Live(typeid(class Window2)), nullptr);

    EXPECT_TRUE((*App().Handlers().Find("WindowCodewindow"))());
    EXPECT_TRUE((*App().Handlers().Find("WindowGlycanwindow"))());
    EXPECT_TRUE(Window2().Visible());
    EXPECT_TRUE(Window1().Visible());
}

/// The process as main runs it, with a document named at launch; the main window is closed
/// from the event loop. Exits 0 when the document was loaded without an Open dialog and the
/// run ended with Quit's status.
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
    Main();
    FinalizeStatics();
    const int status = fw::RuntimeExit();
    std::exit(status == 0 && loaded ? 0 : 1);
}

// No fixture: the run makes the Qt application itself, with the launch arguments.
TEST(WholeRun, LoadsTheLaunchDocumentAndEndsWhenTheMainWindowCloses)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8()); // no library
    const QString path = writeCodes(home, "launch.txt", "3100202\n4000200\n");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runWholeProgram(path), ::testing::ExitedWithCode(0), "");
    qunsetenv("XDG_CONFIG_HOME");
}

} // namespace
