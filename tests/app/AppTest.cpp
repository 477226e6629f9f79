#include "App.h"
#include "FolderItem.h"
#include "MenuBar1.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

/// An application object whose window operations record what they are asked to do, and
/// whether droppedFile already held the document at that moment.
class RecordingApp {
  public:
    RecordingApp()
        : app(App::WindowOperations{
              .openInMainWindow =
                  [this](std::shared_ptr<fw::FolderItem> document) {
                      const bool kept = app.droppedFile == document;
                      calls.append("read " + document->Name() + (kept ? " (kept)" : " (not kept)"));
                  },
              .showCodeWindow = [this] { calls.append("show code window"); },
              .showMainWindow = [this] { calls.append("show main window"); },
          })
    {
    }

    QStringList calls;
    class App app;
};

TEST(AppDocuments, EachDocumentIsKeptBeforeTheMainWindowReadsItAndNoneChangesNothing)
{
    RecordingApp recording;
    recording.app.OpenDocument(nullptr);
    EXPECT_EQ(recording.app.droppedFile, nullptr);

    const auto first = fw::FolderItem::FromPath("/tmp/first.txt");
    recording.app.OpenDocument(first);
    recording.app.OpenDocument(fw::FolderItem::FromPath("/tmp/second.txt"));
    recording.app.OpenDocument(nullptr);

    EXPECT_EQ(recording.calls, QStringList({"read first.txt (kept)", "read second.txt (kept)"}));
    ASSERT_NE(recording.app.droppedFile, nullptr);
    EXPECT_EQ(recording.app.droppedFile->Name(), "second.txt");
}

TEST(AppWindowMenu, EachHandlerShowsItsOwnWindowAndTakesTheCommand)
{
    RecordingApp recording;
    EXPECT_TRUE(recording.app.WindowCodewindow_Action());
    EXPECT_EQ(recording.calls, QStringList({"show code window"}));
    EXPECT_TRUE(recording.app.WindowGlycanwindow_Action());
    EXPECT_EQ(recording.calls, QStringList({"show code window", "show main window"}));
    EXPECT_EQ(recording.app.droppedFile, nullptr);
}

TEST(AppMenuBar, OpeningAndComingToTheFrontEnableTheMenuBar)
{
    RecordingApp recording;
    MenuBar1().Enabled(false);
    recording.app.Open();
    EXPECT_TRUE(MenuBar1().Enabled());
    MenuBar1().Enabled(false);
    recording.app.Activate();
    EXPECT_TRUE(MenuBar1().Enabled());
    EXPECT_TRUE(recording.calls.isEmpty()); // no window is asked for
    ReleaseMenuBar1();
}

} // namespace
