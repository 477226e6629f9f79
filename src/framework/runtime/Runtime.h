#pragma once

#include <functional>

namespace fw {

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

} // namespace fw
