// Every input kept in regressions/ (inputs that once failed a fuzz target, and hostile
// seeds) goes through both readers' checks.
#include "ReaderChecks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FuzzRegressions, BothReadersAcceptEveryKeptInput)
{
    fuzz::SetUpReaders();
    const QDir inputs(QStringLiteral(FUZZ_REGRESSIONS_DIR));
    const QStringList names = inputs.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty()) << "no inputs in " << FUZZ_REGRESSIONS_DIR;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const QString& name : names) {
        QFile file(inputs.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(fuzz::CheckCodeFile(folder.path(), bytes), QString()) << name.toStdString();
        EXPECT_EQ(fuzz::CheckLibrary(folder.path(), bytes), QString()) << name.toStdString();
    }
}
