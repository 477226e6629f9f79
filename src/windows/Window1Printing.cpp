#include "Window1.h"

#include "OpenPrinterDialog.h"
#include "PrintedPage.h"
#include "PrinterSetup.h"

bool Window1::FilePageSetup_Action()
{
    // A fresh set-up every time; it stays, also when the dialog is cancelled.
    prSet = std::make_shared<fw::PrinterSetup>();
    prSet->SetLandscape(true);
    prSet->PageSetupDialog();
    return false;
}

bool Window1::PrintMenu_Action()
{
    printGraph(prSet);
    return false;
}

void Window1::printGraph(std::shared_ptr<fw::PrinterSetup> ps)
{
    // One page: it is finished and sent when it goes out of scope.
    if (const std::unique_ptr<fw::PrintedPage> page = fw::OpenPrinterDialog(ps)) {
        drawGraph(page->Surface());
    }
}
