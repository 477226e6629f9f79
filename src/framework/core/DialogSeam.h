#pragma once

#include <QString>

#include <functional>
#include <optional>

class QPrinter;

namespace fw {

/// @brief The one way every modal dialog of the program is shown.
///
/// By default each function shows the real Qt dialog. Tests install an answerer, so that
/// no dialog ever waits for a person; resetting it to an empty function restores the real
/// dialog.
struct DialogSeam {
    /// Answers an Open dialog: the chosen path, or nullopt when cancelled.
    using OpenFileAnswerer = std::function<std::optional<QString>(const QString& nameFilter)>;
    /// Answers a page-setup or print dialog on the given printer: true accepts.
    using PrinterAnswerer = std::function<bool(QPrinter& printer)>;
    /// Receives a message that would have been shown in a message box.
    using MessageAnswerer = std::function<void(const QString& title, const QString& text)>;

    static OpenFileAnswerer openFile;
    static PrinterAnswerer pageSetup;
    static PrinterAnswerer print;
    static MessageAnswerer message;

    /// Restores every real dialog.
    static void reset();
};

} // namespace fw
