#pragma once

namespace fw {

/// @brief Ends the event loop with exit status @p code; the windows stay as they are until
/// RuntimeExit deletes them, without further events.
void Quit(int code = 0);
/// @brief Whether Quit has been called.
bool QuitRequested();
/// @brief The exit status the last Quit gave; 0 when none was called since the start or
/// since ResetQuit.
int QuitCode();
/// @brief Forgets an earlier Quit, so RuntimeRun runs the event loop again.
void ResetQuit();

} // namespace fw
