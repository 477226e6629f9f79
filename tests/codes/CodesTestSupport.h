#pragma once

#include "FolderItem.h"
#include "PluginEntrypoints.h"
#include "RegExEntrypoints.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
        PluginEntrypoints& table = AllocatePluginEntrypointsTable(RegExEntryCount);
        for (int i = 0; i < RegExEntryCount; ++i) {
            table.Set(i, LookupPluginEntrypoint(RegExEntrySignatures[static_cast<std::size_t>(i)]));
        }
        ASSERT_TRUE(temp_.isValid());
    }

    QString TempPath(const QString& name) const { return temp_.filePath(name); }
    fw::FolderItem TempItem(const QString& name) const { return fw::FolderItem(TempPath(name)); }
    fw::FolderItem TempFolder() const { return fw::FolderItem(temp_.path()); }

  private:
    QTemporaryDir temp_;
};

template <class Row>
class CodesTestWithParam : public CodesTest, public ::testing::WithParamInterface<Row> {
};

/// Rows are named by their first member, `name`.
struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};
