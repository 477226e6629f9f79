// The real dialogs, opened and cancelled in a child process (cancel_every_dialog), leave the
// configuration and home folders as they found them: the program keeps no settings.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

struct HelperRun {
    bool finished = false;
    int exitCode = -1;
    std::string lines;
    QString errors;
};

HelperRun cancelEveryDialog(const QString& configFolder, const QString& home,
                            const QString& runtimeFolder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configFolder);
    environment.insert("HOME", home);
    environment.insert("XDG_RUNTIME_DIR", runtimeFolder);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess helper;
    helper.setProcessEnvironment(environment);
    helper.start(QStringLiteral(CANCEL_EVERY_DIALOG), {});
    HelperRun run;
    // A bound for a dialog left waiting, not a measure of speed.
    run.finished = helper.waitForFinished(180000);
    if (!run.finished) {
        helper.kill();
        helper.waitForFinished();
    }
    run.exitCode = helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -1;
    run.lines = helper.readAllStandardOutput().trimmed().toStdString();
    run.errors = QString::fromUtf8(helper.readAllStandardError());
    return run;
}

/// The names in @p folder, hidden ones too, one a line.
std::string entries(const QString& folder)
{
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    return QDir(folder).entryList(all).join('\n').toStdString();
}

TEST(RealDialogs, CancelledDialogsLeaveNoSettingsAnywhere)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString home = temp.filePath("home");
    const QString runtime = temp.filePath("runtime");
    const QString emptyConfig = temp.filePath("config");
    const QString absentConfig = temp.filePath("absent");
    ASSERT_TRUE(QDir().mkpath(home) && QDir().mkpath(runtime) && QDir().mkpath(emptyConfig));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Every dialog showed, so the folders' state tells something, and file dialogs type
    // files by name.
    const std::string seen = R"(open: QFileDialog "Open", types by name
page setup: QPageSetupDialog "Page Setup"
print to file: QFileDialog "Print To File ...", types by name
print: QPrintDialog "Print")";
    for (const QString& config : {emptyConfig, absentConfig}) {
        SCOPED_TRACE(config.toStdString());
        const HelperRun run = cancelEveryDialog(config, home, runtime);
        ASSERT_TRUE(run.finished) << "a dialog stayed open";
        EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
        EXPECT_EQ(run.lines, seen) << run.errors.toStdString();
    }
    EXPECT_EQ(entries(emptyConfig), "");
    EXPECT_FALSE(QFileInfo::exists(absentConfig));
    EXPECT_EQ(entries(home), "");
}

} // namespace
