// Every input kept in regressions/ (inputs that once failed a fuzz target, and hostile
// seeds) goes through both readers' checks and the text stream's.
#include "ReaderChecks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

/// Every kept input by its file name.
QList<std::pair<QString, QByteArray>> KeptInputs()
{
    const QDir inputs(QStringLiteral(FUZZ_REGRESSIONS_DIR));
    QList<std::pair<QString, QByteArray>> kept;
    for (const QString& name : inputs.entryList(QDir::Files, QDir::Name)) {
        QFile file(inputs.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        kept.append({name, file.readAll()});
    }
    EXPECT_FALSE(kept.isEmpty()) << "no inputs in " << FUZZ_REGRESSIONS_DIR;
    return kept;
}

} // namespace

TEST(FuzzRegressions, BothReadersAcceptEveryKeptInput)
{
    fuzz::SetUpReaders();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const auto& [name, bytes] : KeptInputs()) {
        EXPECT_EQ(fuzz::CheckCodeFile(folder.path(), bytes), QString()) << name.toStdString();
        EXPECT_EQ(fuzz::CheckLibrary(folder.path(), bytes), QString()) << name.toStdString();
    }
}

// The inputs hold CR LF, multi-byte characters, byte-order marks and surrogate pairs, which
// blocks of 1 to 8 bytes cut at every place.
TEST(FuzzRegressions, TextStreamReadsEveryKeptInputAlikeInSmallBlocks)
{
    for (const auto& [name, bytes] : KeptInputs()) {
        EXPECT_EQ(fuzz::CheckTextStream(bytes), QString()) << name.toStdString();
    }
}
