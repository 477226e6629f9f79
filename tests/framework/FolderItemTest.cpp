#include "FolderItem.h"
#include "SpecialFolder.h"
#include "TextInputStream.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class FolderItemTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    std::shared_ptr<fw::FolderItem> Folder() const { return fw::FolderItem::FromPath(dir_.path()); }

    std::shared_ptr<fw::FolderItem> Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return Folder()->Child(name);
    }

    QTemporaryDir dir_;
};

TEST_F(FolderItemTest, ChildNamesAnItemThatMayNotExist)
{
    const auto folder = Folder();
    ASSERT_NE(folder, nullptr);
    EXPECT_TRUE(folder->Exists());
    EXPECT_TRUE(folder->IsFolder());
    const auto child = folder->Child("Wendrix.plist");
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(child->Exists());
    EXPECT_EQ(child->Name(), "Wendrix.plist");
    EXPECT_EQ(child->Path(), QDir(dir_.path()).filePath("Wendrix.plist"));
    for (const char* bad : {"", ".", "..", "a/b"}) {
        EXPECT_EQ(folder->Child(bad), nullptr) << bad;
    }
    EXPECT_EQ(fw::FolderItem::FromPath(""), nullptr);
    EXPECT_EQ(fw::FolderItem::FromPath(dir_.path() + "/x/../codes.txt")->Name(), "codes.txt");
}

TEST_F(FolderItemTest, OpensAReadableFile)
{
    const auto file = Write("codes.txt", "3100202\n3011111\n");
    const auto stream = file->OpenAsTextFile();
    ASSERT_NE(stream, nullptr);
    EXPECT_TRUE(file->LastErrorString().isEmpty());
    EXPECT_EQ(stream->ReadLine(), "3100202");
    EXPECT_EQ(stream->ReadLine(), "3011111");
    EXPECT_TRUE(stream->Eof());
}

TEST_F(FolderItemTest, SaysWhyAFileCannotBeOpened)
{
    const auto missing = Folder()->Child("missing.txt");
    EXPECT_EQ(missing->OpenAsTextFile(), nullptr);
    EXPECT_EQ(missing->LastErrorString(), "No such file or directory");

    const auto folder = Folder();
    EXPECT_EQ(folder->OpenAsTextFile(), nullptr);
    EXPECT_EQ(folder->LastErrorString(), "Is a directory");

    // Opening a pipe would wait for a writer for ever; it is refused at once.
    const QString fifoPath = dir_.filePath("pipe");
    ASSERT_EQ(mkfifo(fifoPath.toLocal8Bit().constData(), 0600), 0);
    const auto fifo = Folder()->Child("pipe");
    EXPECT_EQ(fifo->OpenAsTextFile(), nullptr);
    EXPECT_EQ(fifo->LastErrorString(), "Not a regular file");
}

TEST_F(FolderItemTest, SaysWhenReadingIsNotPermitted)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may read any file";
    }
    const auto file = Write("secret.txt", "3100202\n");
    ASSERT_TRUE(QFile::setPermissions(file->Path(), QFileDevice::WriteOwner));
    EXPECT_EQ(file->OpenAsTextFile(), nullptr);
    EXPECT_EQ(file->LastErrorString(), "Permission denied");
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
