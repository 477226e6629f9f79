#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <memory>

namespace fw {

class Application;
class FolderItem;

/// @brief Makes the runtime ready: creates the Qt application, and leaves Qt no place to keep
/// settings, so its dialogs remember nothing between runs. Call first of all; @p argc
/// and @p argv must outlive the runtime. The file names among the arguments (every argument
/// after the program's own name that does not start with "-") are the documents the system
/// asks the program to open at launch.
void RuntimeInit(int& argc, char** argv);

/// @brief The classes the framework implements are usable afterwards (nothing to do here).
void RuntimeInitExternalClasses();

/// @brief Initialises the framework, then runs @p startup once and returns. An exception
/// that leaves @p startup passes to the caller.
void RunFrameworkInitialization(const std::function<void()>& startup);

/// @brief Runs the event loop until Quit; returns at once when Quit was already called.
void RuntimeRun();

/// @brief Deletes every window, the application object and the Qt application, and returns
/// the process's exit status: the code given to Quit. Call last of all.
int RuntimeExit();

/// @brief Ends the event loop with exit status @p code; the windows stay as they are until
/// RuntimeExit deletes them, without further events.
void Quit(int code = 0);
/// @brief Whether Quit has been called.
bool QuitRequested();
/// @brief Forgets an earlier Quit, so RuntimeRun runs the event loop again.
void ResetQuit();

/// @brief Makes @p app the running application object: GetAppObject returns it, and it gets
/// the application events and the application-level menu commands. The framework owns it
/// until RuntimeExit.
void RegisterAppObject(std::unique_ptr<Application> app);
/// @brief The running application object, or nullptr before one is registered.
Application* GetAppObject();

/// @brief Raises the application's Open event, then delivers the documents asked for so far,
/// the first time it is called with an application object registered; later calls do
/// nothing. The framework calls it before the first window's Open event and when the event
/// loop starts.
void StartApplication();

/// @brief An open-document request from the system (at launch, or a file-open event). It
/// reaches the application's OpenDocument at once once the application has started, and
/// waits until then otherwise. A nullptr document is ignored.
void RequestOpenDocument(std::shared_ptr<FolderItem> document);

} // namespace fw
