#include "OpenPrinterDialog.h"

#include "DialogSeam.h"
#include "NameOnlyFileDialogScope.h"
#include "PrintedPage.h"
#include "PrinterSetup.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace fw {

std::unique_ptr<PrintedPage> OpenPrinterDialog(const std::shared_ptr<PrinterSetup>& setup)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (setup != nullptr) {
        printer->setPageLayout(setup->PageLayout());
    }
    bool accepted = false;
    if (DialogSeam::print) {
        accepted = DialogSeam::print(*printer);
    } else {
        QPrintDialog dialog(printer.get(), QApplication::activeWindow());
        // Its "print to file" chooser is a QFileDialog of Qt's own, made and gone within exec.
        const NameOnlyFileDialogScope nameOnlyChooser;
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted) {
        return nullptr;
    }
    return std::make_unique<PrintedPage>(std::move(printer));
}

} // namespace fw
