#include "Clipboard.h"
#include "ExceptionReport.h"
#include "FolderItem.h"
#include "FrameworkApplication.h"
#include "FrameworkCoreSupport.h"
#include "RuntimeException.h"
#include "StringFunctions.h"
#include "Window.h"
#include "WindowAccessor.h"

#include <QTimer>

#include <stdexcept>

namespace {

QStringList& events()
{
    static QStringList list;
    return list;
}

class DocumentApp : public fw::Application {
  public:
    ~DocumentApp() override { events().append("App deleted"); }
    void Open() override { events().append("App.Open"); }
    void OpenDocument(std::shared_ptr<fw::FolderItem> item) override
    {
        events().append("OpenDocument " + item->Name());
    }
};

class MainWindow : public fw::Window {
  protected:
    void Open() override { events().append("Window.Open"); }
};

TEST_F(FrameworkTest, LaunchDocumentsArriveOnceBeforeTheFirstWindowOpens)
{
    events().clear();
    fw::RegisterAppObject(std::make_unique<DocumentApp>());
    fw::RequestOpenDocument(fw::FolderItem::FromPath("/tmp/codes.txt"));
    fw::RequestOpenDocument(nullptr);
    EXPECT_TRUE(events().isEmpty()); // waits for the application to start

    fw::Instance<MainWindow>();
    EXPECT_EQ(events(), QStringList({"App.Open", "OpenDocument codes.txt", "Window.Open"}));

    // Later requests arrive at once; the start-up happens only once.
    fw::StartApplication();
    fw::RequestOpenDocument(fw::FolderItem::FromPath("/tmp/more.txt"));
    EXPECT_EQ(events().size(), 4);
    EXPECT_EQ(events().last(), "OpenDocument more.txt");
}

TEST_F(FrameworkTest, RunReturnsAtOnceAfterQuitAndQuitEndsTheLoop)
{
    // Quit before Run: no event loop runs, so a posted event stays pending.
    bool delivered = false;
    QTimer::singleShot(0, [&delivered] { delivered = true; });
    fw::Quit(0);
    fw::RuntimeRun();
    EXPECT_FALSE(delivered);
    QCoreApplication::processEvents();
    EXPECT_TRUE(delivered);

    fw::ResetQuit();
    EXPECT_EQ(fw::QuitCode(), 0);
    QTimer::singleShot(0, [] { fw::Quit(3); });
    fw::RuntimeRun();
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::QuitCode(), 3); // the status RuntimeExit returns
    fw::ResetQuit();
    EXPECT_FALSE(fw::QuitRequested());
    EXPECT_EQ(fw::QuitCode(), 0);
}

TEST_F(FrameworkTest, ReleasingTheApplicationObjectDeletesItAndDropsWaitingDocuments)
{
    events().clear();
    fw::RegisterAppObject(std::make_unique<DocumentApp>());
    fw::RequestOpenDocument(fw::FolderItem::FromPath("/tmp/left.txt"));
    fw::ReleaseAppObject();
    EXPECT_EQ(fw::GetAppObject(), nullptr);
    EXPECT_EQ(events(), QStringList({"App deleted"}));

    // The next application object starts without the earlier run's document.
    fw::RegisterAppObject(std::make_unique<DocumentApp>());
    fw::StartApplication();
    EXPECT_EQ(events(), QStringList({"App deleted", "App.Open"}));
}

TEST_F(FrameworkTest, ExceptionReachingQtIsReportedAndTheProgramGoesOn)
{
    if (qobject_cast<fw::detail::FrameworkApplication*>(QCoreApplication::instance()) == nullptr) {
        GTEST_SKIP() << "another test made a plain QApplication first";
    }
    QTimer::singleShot(0, [] { throw std::out_of_range("index 10001"); });
    QTimer::singleShot(0, [] { events().append("still running"); });
    events().clear();
    QCoreApplication::processEvents();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("std::out_of_range"));
    EXPECT_TRUE(reports[0].contains("index 10001"));
    EXPECT_EQ(events(), QStringList({"still running"}));
}

TEST(ExceptionReport, NamesTheClassOfRuntimeExceptions)
{
    const auto nil = std::make_exception_ptr(fw::NilObjectException("x"));
    EXPECT_EQ(fw::ExceptionTypeName(nil), "NilObjectException");
    EXPECT_EQ(fw::ExceptionMessage(nil), "x");
    EXPECT_EQ(fw::ExceptionTypeName(std::make_exception_ptr(42)), "unknown exception");
    int* none = nullptr;
    EXPECT_THROW(fw::NotNil(none), fw::NilObjectException);
}

TEST_F(FrameworkTest, ClipboardPublishesWithAndWithoutClose)
{
    fw::Clipboard c;
    c.Text("3110000");
    c.Close();
    EXPECT_EQ(fw::Clipboard().Text(), "3110000");
    fw::Clipboard().SetText("");
    EXPECT_EQ(fw::Clipboard().Text(), "");
    fw::Clipboard().SetText("5220000");
    EXPECT_EQ(fw::Clipboard().Text(), "5220000");
}

TEST(StringFunctions, ValReadsTheLeadingNumberAndGivesZeroOtherwise)
{
    EXPECT_EQ(fw::Val("7"), 7.0);
    EXPECT_EQ(fw::Val(""), 0.0);
    EXPECT_EQ(fw::Val("x"), 0.0);
    EXPECT_EQ(fw::Val("-"), 0.0);
    EXPECT_EQ(fw::Val("."), 0.0);
    EXPECT_EQ(fw::Val(" 12abc"), 12.0);
    EXPECT_EQ(fw::Val("-2.5e2x"), -250.0);
    EXPECT_EQ(fw::Val("3.e"), 3.0);
    EXPECT_EQ(fw::Val(".5"), 0.5);
}

TEST(StringFunctions, MidIsOneBasedAndEmptyPastTheEnd)
{
    EXPECT_EQ(fw::Mid("3110000", 1, 1), "3");
    EXPECT_EQ(fw::Mid("3110000", 7, 1), "0");
    EXPECT_EQ(fw::Mid("3110000", 8, 1), "");
    EXPECT_EQ(fw::Mid("", 1, 1), "");
    EXPECT_EQ(fw::Mid("311", 2, 5), "11");
    EXPECT_EQ(fw::Mid("311", 2), "11");
}

} // namespace
