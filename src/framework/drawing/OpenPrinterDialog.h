#pragma once

#include <memory>

namespace fw {

class PrintedPage;
class PrinterSetup;

/// @brief Shows the print dialog (DialogSeam::print when set) for a printer laid out by
/// @p setup, or by the printer's defaults when it is nullptr. The file dialog it opens to
/// choose a file to print to guesses file types from names only (NameOnlyFileDialogScope).
///
/// Returns the page to draw on, or nullptr when the dialog is cancelled. Throws
/// IOException when the chosen printer or file cannot be started.
std::unique_ptr<PrintedPage> OpenPrinterDialog(const std::shared_ptr<PrinterSetup>& setup);

} // namespace fw
