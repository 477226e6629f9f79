#pragma once

#include "App.h"
#include "DialogSeam.h"
#include "FileTypes.h"
#include "MenuBar1.h"
#include "Runtime.h"
#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>
#include <ostream>

#include <gtest/gtest.h>

/// Makes the framework's Qt application once for the whole test program.
inline void EnsureRuntime()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "app_tests";
        static char* argv[] = {name, nullptr};
        fw::RuntimeInit(argc, argv);
    }
}

/// Each test gets an empty Preferences folder (no library), Open dialogs that record their
/// calls and answer with @c nextOpenAnswer, and collected exception reports; afterwards the
/// windows, the application object, the menu bar and the file type are gone.
class AppTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        EnsureRuntime();
        fw::DialogSeam::openFile = [this](const QString& filter) {
            openDialogs.append(filter);
            if (onOpenDialog) {
                onOpenDialog();
            }
            return nextOpenAnswer;
        };
        fw::DialogSeam::message = [this](const QString& title, const QString& text) {
            reports.append(title + QStringLiteral(": ") + text);
        };
    }

    void TearDown() override
    {
        QCoreApplication::processEvents();
        fw::WindowRegistry::DestroyAll();
        fw::RegisterAppObject(nullptr);
        fw::ResetQuit();
        ReleaseMenuBar1();
        codes::FileTypes::Release();
        QCoreApplication::processEvents();
        fw::DialogSeam::reset();
        qunsetenv("XDG_CONFIG_HOME");
    }

    /// Writes @p lines, one per line, to a file named @p name in the test's folder.
    QString writeCodes(const QString& name, const QStringList& lines) const
    {
        const QString path = home.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines.join(QLatin1Char('\n')).toUtf8());
        return path;
    }

    QTemporaryDir home;
    QStringList openDialogs;
    QStringList reports;
    std::optional<QString> nextOpenAnswer;
    std::function<void()> onOpenDialog;
};

/// Lets GoogleTest print Qt strings readably.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
