#pragma once

#include <QKeySequence>
#include <QString>

namespace fw {

/// @brief Converts a menu shortcut in the form "Cmd+Shift+S" to a key sequence.
///
/// Modifiers: "Cmd" (also "Command", "Ctrl") is Ctrl, "Option" (also "Alt") is Alt, "Shift"
/// is Shift, "Control" is the Meta key; they match regardless of letter case. The key is the
/// last part; a letter counts whatever its case ("Cmd+i" is Ctrl+I). The empty string, and a
/// shortcut with an unknown part, give an empty sequence.
QKeySequence KeySequenceFromShortcut(const QString& shortcut);

} // namespace fw
