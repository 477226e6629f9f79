#include "FolderItem.h"
#include "TextInputStream.h"
#include "UserFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class FolderItemTest : public ::testing::Test {
  protected:
    /// The item @p name in the test's folder, written with @p bytes unless they are null.
    std::shared_ptr<fw::FolderItem> Item(const QString& name, const QByteArray& bytes = {}) const
    {
        if (!bytes.isNull()) {
            QFile file(dir_.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        return fw::FolderItem::FromPath(dir_.path())->Child(name);
    }

    QTemporaryDir dir_;
};

TEST_F(FolderItemTest, ChildNamesAFileThatOpensAsText)
{
    const auto folder = fw::FolderItem::FromPath(dir_.path() + "/x/..");
    EXPECT_EQ(folder->Path(), dir_.path());
    EXPECT_TRUE(folder->IsFolder());
    for (const char* bad : {"", ".", "..", "a/b"}) {
        EXPECT_EQ(folder->Child(bad), nullptr) << bad;
    }
    EXPECT_FALSE(Item("Wendrix.plist")->Exists());

    const auto file = Item("codes.txt", "3100202\n3011111\n");
    EXPECT_TRUE(file->Exists());
    EXPECT_EQ(file->Name(), "codes.txt");
    const auto stream = file->OpenAsTextFile();
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->ReadLine(), "3100202");
    EXPECT_EQ(stream->ReadLine(), "3011111");
    EXPECT_TRUE(stream->Eof());
}

TEST_F(FolderItemTest, SaysWhyAFileCannotBeOpened)
{
    const auto missing = Item("missing.txt");
    EXPECT_EQ(missing->OpenAsTextFile(), nullptr);
    EXPECT_EQ(missing->LastErrorString(), "No such file or directory");

    const auto folder = fw::FolderItem::FromPath(dir_.path());
    EXPECT_EQ(folder->OpenAsTextFile(), nullptr);
    EXPECT_EQ(folder->LastErrorString(), "Is a directory");

    // Opening a pipe would wait for a writer for ever; it is refused at once.
    ASSERT_EQ(mkfifo(dir_.filePath("pipe").toLocal8Bit().constData(), 0600), 0);
    const auto fifo = Item("pipe");
    EXPECT_EQ(fifo->OpenAsTextFile(), nullptr);
    EXPECT_EQ(fifo->LastErrorString(), "Not a regular file");
}

TEST_F(FolderItemTest, SaysWhenReadingIsNotPermitted)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may read any file; run as another user to check this";
    }
    const auto secret = Item("secret.txt", "3100202\n");
    ASSERT_TRUE(QFile::setPermissions(secret->Path(), QFileDevice::WriteOwner));
    EXPECT_EQ(secret->OpenAsTextFile(), nullptr);
    EXPECT_EQ(secret->LastErrorString(), "Permission denied");
}

TEST(SpecialFolder, PreferencesFollowsXdgConfigHome)
{
    QTemporaryDir config;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const auto preferences = fw::SpecialFolder::Preferences();
    ASSERT_NE(preferences, nullptr);
    EXPECT_EQ(preferences->Path(), config.path());

    qputenv("XDG_CONFIG_HOME", (config.path() + "/missing").toLocal8Bit());
    EXPECT_EQ(fw::SpecialFolder::Preferences(), nullptr);
    qputenv("XDG_CONFIG_HOME", saved);
}

} // namespace
