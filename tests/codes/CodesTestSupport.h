#pragma once

#include "FolderItem.h"
#include "RegExEntrypoints.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

/// The committed fixture files.
inline QString DataPath(const QString& name)
{
    return QStringLiteral(CODES_TEST_DATA_DIR "/") + name;
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

/// Binds the regular-expression component as start-up does and gives each test a temporary
/// folder. A core application exists so that the readers' yields process events for real.
class CodesTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "codes_tests";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
        BindRegExEntrypoints();
        ASSERT_TRUE(temp_.isValid());
    }

    QString TempPath(const QString& name) const { return temp_.filePath(name); }
    fw::FolderItem TempItem(const QString& name) const { return fw::FolderItem(TempPath(name)); }
    fw::FolderItem TempFolder() const { return fw::FolderItem(temp_.path()); }

  private:
    QTemporaryDir temp_;
};

/// Rows print as their `name`, which also names their test (PrintToStringParamName).
template <class Row>
class CodesTestWithParam : public CodesTest, public ::testing::WithParamInterface<Row> {
};

/// The bytes of a literal that may hold NUL, without the terminating one.
template <std::size_t N> QByteArray Bytes(const char (&text)[N])
{
    return QByteArray(text, static_cast<qsizetype>(N - 1));
}

/// Writes `lines` lines made by `line(i)`, each ended by LF.
template <class LineFn> void WriteLines(const QString& path, qsizetype lines, LineFn line)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < lines; ++i) {
        bytes += line(i);
        bytes += '\n';
    }
    WriteBytes(path, bytes);
}

/// A file that cannot be opened or read: `make` puts it at a path and returns false when
/// that is not possible here; the error message gives `reason`.
struct UnreadableFile {
    std::string name;
    bool (*make)(const QString& path);
    QString reason;
};

inline void PrintTo(const UnreadableFile& row, std::ostream* out) { *out << row.name; }

inline QByteArray NativePath(const QString& path) { return QFile::encodeName(path); }

inline QList<UnreadableFile> UnreadableFiles(bool withMissing)
{
    QList<UnreadableFile> files{
        {"Directory",
         [](const QString& path) { return ::mkdir(NativePath(path).constData(), 0755) == 0; },
         QStringLiteral("Is a directory")},
        // Opening a FIFO for reading would wait for a writer.
        {"Fifo",
         [](const QString& path) { return ::mkfifo(NativePath(path).constData(), 0644) == 0; },
         QStringLiteral("Not a regular file")},
        // Root reads whatever the permissions say, so this row runs only for other users.
        {"NoPermission",
         [](const QString& path) {
             if (::geteuid() == 0) {
                 return false;
             }
             WriteBytes(path, "3100202\n");
             return ::chmod(NativePath(path).constData(), 0) == 0;
         },
         QStringLiteral("ermission")},
        // A regular file that opens but fails on read (EIO): address 0 is never mapped.
        {"ReadError",
         [](const QString& path) { return QFile::link(QStringLiteral("/proc/self/mem"), path); },
         QStringLiteral("Input/output error")},
    };
    if (withMissing) {
        files.prepend({"Missing", [](const QString&) { return true; },
                       QStringLiteral("No such file or directory")});
    }
    return files;
}
