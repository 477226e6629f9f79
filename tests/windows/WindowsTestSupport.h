#pragma once

#include "App.h"
#include "DialogSeam.h"
#include "FileTypes.h"
#include "Glycan.h"
#include "Listbox.h"
#include "MenuBar1.h"
#include "PluginEntrypoints.h"
#include "RegExEntrypoints.h"
#include "Runtime.h"
#include "Window1.h"
#include "Window2.h"
#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

/// Sets the runtime up as start-up does (once per process), registers a fresh application
/// object for each test and answers every dialog: the Open dialog from `openAnswers` (cancel
/// when empty), messages into `reports`. The Preferences folder is a temporary folder that
/// holds no library until a test writes one.
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
            PluginEntrypoints& table = AllocatePluginEntrypointsTable(RegExEntryCount);
            for (int i = 0; i < RegExEntryCount; ++i) {
                table.Set(
                    i, LookupPluginEntrypoint(RegExEntrySignatures[static_cast<std::size_t>(i)]));
            }
            codes::FileTypes::Initialize();
        }
        ASSERT_TRUE(temp_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(temp_.path()));

        fw::DialogSeam::openFile = [this](const QString&) -> std::optional<QString> {
            ++openDialogs;
            const QString answer = openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
            if (answer.isEmpty()) {
                return std::nullopt;
            }
            return answer;
        };
        fw::DialogSeam::message = [this](const QString& title, const QString& text) {
            reports.append(title + QStringLiteral(": ") + text);
        };

        auto app = std::make_unique<class App>();
        app->MenuBar(MenuBar1Instance());
        fw::RegisterAppObject(std::move(app));
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

    /// Writes @p bytes to the file @p name in the temporary folder; returns its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        const QString path = TempPath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        EXPECT_EQ(file.write(bytes), bytes.size());
        return path;
    }

    /// The main window after its first load, which the Open dialog's cancel ends.
    class Window1& MainWindow() { return Window1(); }

    static QStringList Rows()
    {
        QStringList rows;
        const fw::Listbox& list = Window2().ListBox1();
        for (int i = 0; i < list.RowCount(); ++i) {
            rows.append(list.Row(i));
        }
        return rows;
    }

    /// Paths the Open dialog answers in turn; an empty one, or none left, cancels.
    QStringList openAnswers;
    int openDialogs = 0;
    QStringList reports;

  private:
    QTemporaryDir temp_;
};
