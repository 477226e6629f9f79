#include "Runtime.h"

#include "AppObject.h"
#include "EventScope.h"
#include "FolderItem.h"
#include "FrameworkApplication.h"
#include "Quit.h"
#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QSettings>

namespace fw {
namespace {

// Deleted by RuntimeExit only: Qt cannot be torn down during static destruction.
detail::FrameworkApplication* qtApplication = nullptr;

// Qt's own dialogs keep state between runs in QSettings(UserScope, "QtProject"): the file
// dialog writes its history, last folder and view mode when destroyed, creating the
// configuration folder if need be, and reads them back when created. The program keeps
// nothing between runs, so every default settings location, user and system, goes inside
// /dev/null. That is no folder, so there no settings file, folder, lock or temporary file
// can be read, created or written, whoever runs the program; QSettings just reports an
// access error, which Qt's dialogs ignore.
void keepNoQtSettings()
{
    const QString nowhere = QStringLiteral("/dev/null");
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (const auto scope : {QSettings::UserScope, QSettings::SystemScope}) {
            QSettings::setPath(format, scope, nowhere);
        }
    }
}

void launchDocuments()
{
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            RequestOpenDocument(FolderItem::FromPath(arguments[i]));
        }
    }
}

} // namespace

void RuntimeInit(int& argc, char** argv)
{
    keepNoQtSettings(); // before anything of Qt's reads its settings
    if (QCoreApplication::instance() == nullptr) {
        qtApplication = new detail::FrameworkApplication(argc, argv);
    }
    // The program decides when to quit (closing its main window quits it).
    QApplication::setQuitOnLastWindowClosed(false);
}

void RuntimeInitExternalClasses() {}

void RunFrameworkInitialization(const std::function<void()>& startup)
{
    launchDocuments();
    EventScope scope;
    startup();
}

void RuntimeRun()
{
    if (QuitRequested()) {
        return;
    }
    StartApplication();
    if (!QuitRequested()) {
        QCoreApplication::exec();
    }
}

int RuntimeExit()
{
    WindowRegistry::DestroyAll();
    ReleaseAppObject();
    delete qtApplication;
    qtApplication = nullptr;
    return QuitCode();
}

} // namespace fw
