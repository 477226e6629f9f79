#pragma once

#include "AppObject.h"
#include "Application.h"
#include "DialogSeam.h"
#include "Quit.h"
#include "Runtime.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <ostream>

#include <gtest/gtest.h>

/// Makes the framework's Qt application (unless some application exists already).
inline void EnsureFrameworkApplication()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "framework_tests";
        static char* argv[] = {name, nullptr};
        fw::RuntimeInit(argc, argv);
    }
}

/// Gives each test a Qt application, collects exception reports, and removes every window,
/// the application object and any Quit afterwards.
class FrameworkTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        EnsureFrameworkApplication();
        fw::DialogSeam::message = [this](const QString& title, const QString& text) {
            reports.append(title + QStringLiteral(": ") + text);
        };
    }

    void TearDown() override
    {
        // Reports still queued reach the test's answerer, never a real dialog.
        QCoreApplication::processEvents();
        fw::WindowRegistry::DestroyAll();
        fw::RegisterAppObject(nullptr);
        fw::ResetQuit();
        QCoreApplication::processEvents();
        fw::DialogSeam::reset();
    }

    QStringList reports;
};

/// Processes events until @p condition holds or @p timeoutMs pass; returns the condition.
template <class F> bool WaitFor(F condition, int timeoutMs = 2000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return condition();
}

/// Lets GoogleTest print Qt strings readably.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
