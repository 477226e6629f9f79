#include "NameOnlyFileIconProvider.h"

#include "FrameworkCoreSupport.h"
#include "GetOpenFolderItem.h"
#include "ModalDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray pdfStart = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<< /Type /Catalog >>\nendobj\n";

/// A folder of things to describe: "report", a PDF without extension; "notes.pdf", plain
/// text named as a PDF; "pipe", a FIFO; "sub", a folder; and links to the file and folder.
class NameOnlyTypes : public FrameworkTest {
  protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        write("report", pdfStart);
        write("notes.pdf", "plain words\n");
        ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
        ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
        ASSERT_TRUE(QFile::link(path("report"), path("report-link")));
        ASSERT_TRUE(QFile::link(path("sub"), path("sub-link")));
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    QFileInfo info(const QString& name) const { return QFileInfo(path(name)); }

    void write(const QString& name, const QByteArray& content)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir folder;
    fw::NameOnlyFileIconProvider provider;
};

TEST_F(NameOnlyTypes, RegularFilesAreTypedByTheirNamesNotTheirContent)
{
    // Qt's own provider reads the file, and so finds the PDF.
    ASSERT_TRUE(QFileIconProvider().type(info("report")).contains("PDF"));

    EXPECT_FALSE(provider.type(info("report")).contains("PDF"));
    EXPECT_FALSE(provider.type(info("report-link")).contains("PDF"));
    EXPECT_TRUE(provider.type(info("notes.pdf")).contains("PDF"));
}

TEST_F(NameOnlyTypes, FoldersLinksAndPipesLookAsWithQtsProvider)
{
    const QFileIconProvider qt;
    for (const QString& name : QStringList({"sub", "sub-link", "pipe", "report-link"})) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(provider.icon(info(name)).pixmap(16).toImage(),
                  qt.icon(info(name)).pixmap(16).toImage());
    }
    for (const QString& name : QStringList({"sub", "sub-link", "pipe"})) {
        EXPECT_EQ(provider.type(info(name)), qt.type(info(name)));
    }
    EXPECT_EQ(provider.type(QFileInfo("/")), qt.type(QFileInfo("/")));
}

TEST_F(NameOnlyTypes, NothingDescribedIsOpened)
{
    // A writer with data waiting, so that a stray read of the FIFO would return, not block.
    const int writer = open(QFile::encodeName(path("pipe")).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    ASSERT_GT(::write(writer, pdfStart.constData(), pdfStart.size()), 0);
    // Listed before the watch starts, since listing reads the folder.
    const QStringList names =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);

    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    const QByteArray watched = QFile::encodeName(folder.path());
    ASSERT_GE(inotify_add_watch(watch, watched.constData(), IN_OPEN | IN_ACCESS), 0);
    const auto opened = [watch] {
        char events[4096];
        return read(watch, events, sizeof events) > 0;
    };

    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        provider.type(info(name));
        provider.icon(info(name)).pixmap(16);
        EXPECT_FALSE(opened());
    }

    // The watch does see an open.
    QFile(path("report")).open(QIODevice::ReadOnly);
    EXPECT_TRUE(opened());
    close(watch);
    close(writer);
}

TEST_F(NameOnlyTypes, TheOpenDialogTypesFilesByName)
{
    QString title;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QString reportType;
    OnNextModalDialog([&](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        if (files == nullptr) {
            return;
        }
        title = files->windowTitle();
        filters = files->nameFilters();
        mode = files->fileMode();
        files->setDirectory(folder.path());
        const auto* model = files->findChild<QFileSystemModel*>();
        reportType = model == nullptr ? "no model" : model->type(model->index(path("report")));
        files->reject();
    });
    EXPECT_EQ(fw::GetOpenFolderItem("unregistered type"), nullptr);
    EXPECT_EQ(title, "Open");
    EXPECT_EQ(filters, QStringList({"All files (*)"}));
    EXPECT_EQ(mode, QFileDialog::ExistingFile);
    EXPECT_FALSE(reportType.isEmpty());
    EXPECT_FALSE(reportType.contains("PDF")) << reportType.toStdString();
}

} // namespace
