#pragma once

#include "App.h"
#include "AppObject.h"
#include "DialogSeam.h"
#include "FileTypes.h"
#include "Glycan.h"
#include "Listbox.h"
#include "MenuBar1.h"
#include "Quit.h"
#include "RegExEntrypoints.h"
#include "Runtime.h"
#include "Startup.h"
#include "Window1.h"
#include "Window2.h"
#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

/// Starts the runtime as start-up does (once), registers a fresh application object per test
/// and answers every dialog: the Open dialog with `openAnswers` in turn (an empty answer, or
/// none left, cancels), messages into `reports`. The Preferences folder is a temporary one.
class WindowsTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "windows_tests";
            static char* argv[] = {name, nullptr};
            fw::RuntimeInit(argc, argv);
            Glycan::InitializeState();
            BindRegExEntrypoints();
            codes::FileTypes::Initialize();
        }
        ASSERT_TRUE(temp_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(temp_.path()));
        fw::DialogSeam::openFile = [this](const QString&) -> std::optional<QString> {
            ++openDialogs;
            const QString answer = openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
            return answer.isEmpty() ? std::nullopt : std::optional<QString>(answer);
        };
        fw::DialogSeam::message = [this](const QString& title, const QString& text) {
            reports.append(title + QStringLiteral(": ") + text);
        };
        NewAppInstance(); // a fresh application object, as start-up makes it
    }

    void TearDown() override
    {
        QCoreApplication::processEvents();
        fw::WindowRegistry::DestroyAll();
        fw::RegisterAppObject(nullptr);
        fw::ResetQuit();
        QCoreApplication::processEvents();
        fw::DialogSeam::reset();
    }

    QString TempPath(const QString& name) const { return temp_.filePath(name); }

    /// Writes @p bytes to @p name in the temporary folder; returns its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(TempPath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }

    /// The main window, made (with its first load) when none is open.
    class Window1& MainWindow() { return Window1(); }

    /// The code window's rows.
    static QStringList Rows()
    {
        QStringList rows;
        for (int i = 0; i < Window2().ListBox1().RowCount(); ++i) {
            rows.append(Window2().ListBox1().Row(i));
        }
        return rows;
    }

    QStringList openAnswers;
    int openDialogs = 0;
    QStringList reports;

  private:
    QTemporaryDir temp_;
};
