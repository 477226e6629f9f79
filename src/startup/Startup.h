#pragma once

// The program's beginning and end, in the order the process runs them:
// RuntimeInit, InitializeStatics, Main (framework initialisation with Startup, then the
// event loop), FinalizeStatics, RuntimeExit.

/// @brief Static set-up: gives the drawing state its defaults. Creates no object of the
/// program, so the defaults are in place before the first window exists.
void InitializeStatics();

/// @brief Initialises the framework, which runs Startup, then runs the event loop until
/// the application quits. An exception that leaves either goes to the framework's report of
/// unhandled exceptions.
void Main();

/// @brief Static release at the end of the run: the menu bar instance and the program's
/// file type.
void FinalizeStatics();

/// @brief The start-up routine the framework runs once during its initialisation: binds the
/// regular-expression component, creates the file type, the application object with its
/// menu bar and handlers, and last the main window.
void Startup();

/// @brief Fills the plug-in entry-point table with the regular-expression component's 19
/// entry points, storing each look-up result as it comes.
void InitPluginEntrypoints();
/// @brief Creates and registers the program's file type.
void InitFileTypes();
/// @brief Creates the application object with what its handlers ask of the windows (reading
/// a document into the main window, showing the code window, showing the main window), gives
/// it the menu bar and registers it.
void NewAppInstance();
/// @brief Binds the application's Window menu handlers.
void ApplicationAddMenuHandlers();
/// @brief Creates the main window.
void MakeDefaultView();
