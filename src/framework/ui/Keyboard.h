#pragma once

namespace fw {

/// @brief The state of the keyboard's modifier keys.
struct Keyboard {
    /// @brief Whether the platform's command key (Ctrl on Linux) is held down.
    static bool OSKey();
};

/// @brief Takes the keyboard focus from whichever control has it.
void ClearFocus();

} // namespace fw
