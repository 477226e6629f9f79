#include "WindowsTestSupport.h"

#include "App.h"
#include "FolderItem.h"

#include <QDir>

namespace {

class Window1LoadingTest : public WindowsTest {
  protected:
    std::shared_ptr<fw::FolderItem> Item(const QString& path)
    {
        return fw::FolderItem::FromPath(path);
    }

    /// Entries of G from @p from on that are not empty.
    static int NonEmptyFrom(const class Window1& w, std::size_t from)
    {
        return static_cast<int>(std::count_if(w.G.begin() + static_cast<long>(from), w.G.end(),
                                              [](const QString& s) { return !s.isEmpty(); }));
    }

    const QByteArray fiveCodes = "3000000\n3100000\n4000200\n5000022\n9000000\n";
};

TEST_F(Window1LoadingTest, FileReplacesCodesRowsAndTitle)
{
    class Window1& w = MainWindow();
    w.openTextFile(Item(WriteFile("first.txt", fiveCodes)));
    ASSERT_EQ(w.T, 5);

    Glycan::symbolSet = Glycan::SymbolSetCFG;
    w.openTextFile(
        Item(WriteFile("second.txt", "3100202\n 4 1 1\t2 2 0 0\nnot a code\n  \n3999999\n")));

    EXPECT_EQ(w.T, 3);
    EXPECT_EQ(w.G[0], "3100202");
    EXPECT_EQ(w.G[1], "4112200");
    EXPECT_EQ(w.G[2], "");
    EXPECT_EQ(NonEmptyFrom(w, 0), 2);
    EXPECT_EQ(Rows(), (QStringList{"3100202", "4112200", ""}));
    EXPECT_EQ(w.Title(), "Tamberlo:second.txt");
    EXPECT_EQ(Glycan::symbolSet, Glycan::SymbolSetUOXF);
    EXPECT_TRUE(w.Visible());
    EXPECT_TRUE(Window2().Visible());
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(Window1LoadingTest, OpenMenuLoadsTheChosenFileAndCancelKeepsCodes)
{
    class Window1& w = MainWindow();
    const int dialogsBefore = openDialogs;
    openAnswers.append(WriteFile("codes.txt", fiveCodes));
    w.MenuCommand(w.FileOpen());
    ASSERT_EQ(w.T, 5);
    const std::vector<QString> loaded = w.G;

    w.MenuCommand(w.FileOpen()); // cancelled
    EXPECT_EQ(openDialogs, dialogsBefore + 2);
    EXPECT_EQ(w.T, 0);
    EXPECT_EQ(w.G, loaded);
    EXPECT_EQ(Rows(),
              (QStringList{"3000000", "3100000", "4000200", "5000022", "9000000", "900000000"}));
    EXPECT_EQ(w.Title(), "Tamberlo:(none)");
}

TEST_F(Window1LoadingTest, UnreadableFileIsReportedAndChangesNothing)
{
    class Window1& w = MainWindow();
    w.openTextFile(Item(WriteFile("codes.txt", fiveCodes)));
    const std::vector<QString> loaded = w.G;
    const QStringList rows = Rows();
    Glycan::symbolSet = Glycan::SymbolSetCFG;
    ASSERT_TRUE(QDir(TempPath("")).mkdir("folder.txt"));

    w.openTextFile(Item(TempPath("folder.txt")));

    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(TempPath("folder.txt")));
    EXPECT_TRUE(reports[0].contains("Is a directory"));
    EXPECT_EQ(w.G, loaded);
    EXPECT_EQ(w.T, 5);
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(w.Title(), "Tamberlo:codes.txt");
    EXPECT_EQ(Glycan::symbolSet, Glycan::SymbolSetCFG);
}

TEST_F(Window1LoadingTest, FileLongerThanTheListLoadsTheFirst10001AndTellsTheRest)
{
    QByteArray bytes;
    for (int i = 0; i < 10003; ++i) {
        bytes += "3000000" + QByteArray::number(i) + "\n";
    }
    class Window1& w = MainWindow();
    w.openTextFile(Item(WriteFile("long.txt", bytes)));

    EXPECT_EQ(w.T, 10001);
    EXPECT_EQ(w.G[10000], "300000010000");
    EXPECT_EQ(Window2().ListBox1().RowCount(), 10001);
    EXPECT_EQ(w.Title(), "Tamberlo:long.txt");
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("long.txt"));
    EXPECT_TRUE(reports[0].contains("2 more"));
}

TEST_F(Window1LoadingTest, EmptyFileGivesOneEmptyCode)
{
    class Window1& w = MainWindow();
    w.openTextFile(Item(WriteFile("empty.txt", "")));
    EXPECT_EQ(w.T, 1);
    EXPECT_EQ(Rows(), QStringList{""});
    EXPECT_EQ(w.Title(), "Tamberlo:empty.txt");
}

// The first load, in the main window's Open event.

const QByteArray library = "<?xml version=\"1.0\"?>\n<plist version=\"1.0\">\n<array>\n"
                           "\t<string>3 1 0 0 2 0 2</string>\n"
                           "\t<string>4000200</string>\n"
                           "</array>\n</plist>\n";

TEST_F(Window1LoadingTest, OpenDocumentComesBeforeTheLibrary)
{
    WriteFile("Wendrix.plist", library);
    App().droppedFile = Item(WriteFile("document.txt", fiveCodes));
    class Window1& w = MainWindow();
    EXPECT_EQ(w.T, 5);
    EXPECT_EQ(w.Title(), "Tamberlo:document.txt");
    EXPECT_EQ(openDialogs, 0);
    EXPECT_EQ(w.AcceptedFileDrops(), QStringList{"TextPlain"});
}

TEST_F(Window1LoadingTest, LibraryLoadsMaximisedUnderItsTitle)
{
    WriteFile("Wendrix.plist", library);
    class Window1& w = MainWindow();
    EXPECT_EQ(w.T, 2);
    EXPECT_EQ(w.G[0], "3100202");
    EXPECT_EQ(w.G[1], "4000200");
    EXPECT_EQ(NonEmptyFrom(w, 2), 0);
    EXPECT_EQ(Rows(), (QStringList{"3100202", "4000200"}));
    EXPECT_EQ(w.Title(), "Tamberlo: Wendrix Library");
    EXPECT_TRUE(w.Widget()->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(openDialogs, 0);
}

TEST_F(Window1LoadingTest, WithoutDocumentOrLibraryTheOpenDialogAsks)
{
    class Window1& w = MainWindow();
    EXPECT_EQ(openDialogs, 1);
    EXPECT_EQ(w.T, 0);
    EXPECT_EQ(Rows(), QStringList{"900000000"});
    EXPECT_EQ(w.Title(), "Tamberlo:(none)");
}

TEST_F(Window1LoadingTest, UnreadableLibraryIsReportedThenTheOpenDialogAsks)
{
    ASSERT_TRUE(QDir(TempPath("")).mkdir("Wendrix.plist"));
    class Window1& w = MainWindow();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("Wendrix.plist"));
    EXPECT_EQ(openDialogs, 1);
    EXPECT_EQ(w.Title(), "Tamberlo:(none)");
}

} // namespace
