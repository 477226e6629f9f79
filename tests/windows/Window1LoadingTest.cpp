#include "SubWindowsTestSupport.h"
#include "WindowsTestSupport.h"

#include "FolderItem.h"

#include <QDir>
#include <QEvent>
#include <QWidget>

namespace {

const QByteArray fiveCodes = "3000000\n3100000\n4000200\n5000022\n9000000\n";
const QByteArray library = "<plist version=\"1.0\">\n<array>\n\t<string>3 1 0 0 2 0 2</string>\n"
                           "\t<string>4000200</string>\n</array>\n</plist>\n";

/// Counts the paint events of the main window's content area, from before the window exists.
class MainWindowPaints : public QObject {
  public:
    MainWindowPaints() { QCoreApplication::instance()->installEventFilter(this); }
    ~MainWindowPaints() override { QCoreApplication::instance()->removeEventFilter(this); }
    MainWindowPaints(const MainWindowPaints&) = delete;
    MainWindowPaints& operator=(const MainWindowPaints&) = delete;

    int count = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget != nullptr &&
            widget->objectName() == "content" && widget->window()->objectName() == "Window1") {
            ++count;
        }
        return false;
    }
};

class Window1LoadingTest : public WindowsTest {
  protected:
    std::shared_ptr<fw::FolderItem> File(const QString& name, const QByteArray& bytes)
    {
        return fw::FolderItem::FromPath(WriteFile(name, bytes));
    }
};

TEST_F(Window1LoadingTest, FileReplacesCodesRowsAndTitle)
{
    class Window1& w = MainWindow();
    w.openTextFile(File("first.txt", fiveCodes));
    Glycan::symbolSet = Glycan::SymbolSetCFG;
    w.openTextFile(File("second.txt", "3100202\n 4 1 1\t2 2 0 0\nnot a code\n  \n3999999\n"));

    EXPECT_EQ(w.T, 3);
    EXPECT_EQ(std::vector<QString>(w.G.begin(), w.G.begin() + 3),
              (std::vector<QString>{"3100202", "4112200", ""}));
    EXPECT_EQ(std::count(w.G.begin(), w.G.end(), QString()), 10001 - 2);
    EXPECT_EQ(Rows(), (QStringList{"3100202", "4112200", ""}));
    EXPECT_EQ(w.Title(), "Tamberlo:second.txt");
    EXPECT_EQ(Glycan::symbolSet, Glycan::SymbolSetUOXF);
    EXPECT_TRUE(w.Visible() && Window2().Visible());

    w.openTextFile(File("empty.txt", ""));
    EXPECT_EQ(w.T, 1);
    EXPECT_EQ(Rows(), QStringList{""});
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(Window1LoadingTest, OpenMenuLoadsTheChosenFileAndCancelKeepsCodes)
{
    class Window1& w = MainWindow();
    openAnswers.append(WriteFile("codes.txt", fiveCodes));
    w.MenuCommand(w.FileOpen());
    ASSERT_EQ(w.T, 5);
    const std::vector<QString> loaded = w.G;

    w.MenuCommand(w.FileOpen()); // cancelled
    EXPECT_EQ(w.T, 0);
    EXPECT_EQ(w.G, loaded);
    EXPECT_EQ(Rows().size(), 6);
    EXPECT_EQ(Rows().last(), "900000000");
    EXPECT_EQ(w.Title(), "Tamberlo:(none)");
}

TEST_F(Window1LoadingTest, UnreadableFileIsReportedAndChangesNothing)
{
    class Window1& w = MainWindow();
    w.openTextFile(File("codes.txt", fiveCodes));
    const std::vector<QString> loaded = w.G;
    Glycan::symbolSet = Glycan::SymbolSetCFG;
    ASSERT_TRUE(QDir(TempPath("")).mkdir("folder.txt"));

    w.openTextFile(fw::FolderItem::FromPath(TempPath("folder.txt")));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(TempPath("folder.txt")));
    EXPECT_TRUE(reports[0].contains("Is a directory"));
    EXPECT_EQ(w.G, loaded);
    EXPECT_EQ(w.T, 5);
    EXPECT_EQ(Rows().size(), 5);
    EXPECT_EQ(w.Title(), "Tamberlo:codes.txt");
    EXPECT_EQ(Glycan::symbolSet, Glycan::SymbolSetCFG);
}

TEST_F(Window1LoadingTest, LongFileLoadsTheFirst10001AndTellsHowManyWereLeftOut)
{
    QByteArray bytes;
    for (int i = 0; i < 10003; ++i) {
        bytes += "3000000" + QByteArray::number(i) + "\n";
    }
    class Window1& w = MainWindow();
    w.openTextFile(File("long.txt", bytes));
    EXPECT_EQ(w.T, 10001);
    EXPECT_EQ(w.G[10000], "300000010000");
    EXPECT_EQ(Window2().ListBox1().RowCount(), 10001);
    EXPECT_EQ(w.Title(), "Tamberlo:long.txt");
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("long.txt") && reports[0].contains("2 more"));
}

// The first load, in the main window's Open event.

TEST_F(Window1LoadingTest, FirstLoadTakesTheOpenedDocumentBeforeTheLibrary)
{
    WriteFile("Wendrix.plist", library);
    App().droppedFile = File("document.txt", fiveCodes);
    class Window1& w = MainWindow();
    EXPECT_EQ(w.T, 5);
    EXPECT_EQ(w.Title(), "Tamberlo:document.txt");
    EXPECT_EQ(openDialogs, 0);
}

TEST_F(Window1LoadingTest, FirstLoadTakesTheLibraryMaximised)
{
    WriteFile("Wendrix.plist", library);
    class Window1& w = MainWindow();
    EXPECT_EQ(w.T, 2);
    EXPECT_EQ(Rows(), (QStringList{"3100202", "4000200"}));
    EXPECT_EQ(std::count(w.G.begin(), w.G.end(), QString()), 10001 - 2);
    EXPECT_EQ(w.Title(), "Tamberlo: Wendrix Library");
    EXPECT_TRUE(w.Widget()->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(openDialogs, 0);
}

TEST_F(Window1LoadingTest, FirstLoadAsksForAFileWithoutDocumentOrReadableLibrary)
{
    EXPECT_EQ(MainWindow().Title(), "Tamberlo:(none)");
    EXPECT_EQ(openDialogs, 1);
    EXPECT_EQ(Rows(), QStringList{"900000000"});
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(Window1LoadingTest, UnreadableLibraryIsReportedThenTheOpenDialogAsks)
{
    ASSERT_TRUE(QDir(TempPath("")).mkdir("Wendrix.plist"));
    EXPECT_EQ(MainWindow().Title(), "Tamberlo:(none)");
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("Wendrix.plist"));
    EXPECT_EQ(openDialogs, 1);
}

// A document named at launch reaches the application's OpenDocument as the main window is
// made, before its Open event.

TEST_F(Window1LoadingTest, LaunchDocumentIsReadOnceAndItsProblemReportedOnce)
{
    ASSERT_TRUE(QDir(TempPath("")).mkdir("folder.txt"));
    fw::RequestOpenDocument(fw::FolderItem::FromPath(TempPath("folder.txt")));
    class Window1& w = MainWindow();
    ASSERT_TRUE(subwindows::WaitFor([this] { return !reports.isEmpty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(reports.size(), 1) << reports.join('\n').toStdString();
    EXPECT_EQ(w.Title(), "Tamberlo");
    EXPECT_EQ(w.T, 0);
    EXPECT_EQ(openDialogs, 0);
}

TEST_F(Window1LoadingTest, LaunchDocumentsLeftOutCodesAreReportedOnceOverThePaintedGrid)
{
    QByteArray bytes;
    for (int i = 0; i < 10011; ++i) {
        bytes += "3100202\n";
    }
    fw::RequestOpenDocument(File("big.txt", bytes));
    MainWindowPaints paints;
    QString titleWhenReported;
    int paintsWhenReported = 0;
    fw::DialogSeam::message = [&](const QString& title, const QString& text) {
        reports.append(title + ": " + text);
        titleWhenReported = Window1().Title();
        paintsWhenReported = paints.count;
    };

    class Window1& w = MainWindow();
    EXPECT_TRUE(reports.isEmpty()) << "reported before the window was on the screen";
    ASSERT_TRUE(subwindows::WaitFor([this] { return !reports.isEmpty(); }));
    QCoreApplication::processEvents();
    ASSERT_EQ(reports.size(), 1) << reports.join('\n').toStdString();
    EXPECT_TRUE(reports[0].contains("\"big.txt\"") && reports[0].contains("10 more"));
    EXPECT_EQ(titleWhenReported, "Tamberlo:big.txt");
    EXPECT_GT(paintsWhenReported, 0);
    EXPECT_EQ(w.T, 10001);
}

} // namespace
