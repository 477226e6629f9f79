#include "PrinterSetup.h"

#include "DialogSeam.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrinter>

namespace fw {

PrinterSetup::PrinterSetup() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

PrinterSetup::~PrinterSetup() = default;

bool PrinterSetup::Landscape() const
{
    return printer_->pageLayout().orientation() == QPageLayout::Landscape;
}

void PrinterSetup::SetLandscape(bool landscape)
{
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool PrinterSetup::PageSetupDialog()
{
    if (DialogSeam::pageSetup) {
        // The answerer edits a copy, so a cancel changes nothing.
        QPrinter edited(QPrinter::HighResolution);
        edited.setPageLayout(printer_->pageLayout());
        if (!DialogSeam::pageSetup(edited)) {
            return false;
        }
        printer_->setPageLayout(edited.pageLayout());
        return true;
    }
    QPageSetupDialog dialog(printer_.get(), QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

QPageLayout PrinterSetup::PageLayout() const { return printer_->pageLayout(); }

} // namespace fw
