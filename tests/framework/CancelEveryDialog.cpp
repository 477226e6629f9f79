// Opens every real dialog of the framework and cancels it, each from a zero-delay timer,
// then prints one line for each dialog it saw. The tests run it in a process of its own,
// since Qt fixes where settings live once per process.

#include "DialogSeam.h"
#include "GetOpenFolderItem.h"
#include "ModalDialogs.h"
#include "OpenPrinterDialog.h"
#include "PrintedPage.h"
#include "PrinterSetup.h"
#include "Runtime.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTextStream>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

void cancel(const QString& what, QDialog* dialog)
{
    out() << what << ": ";
    if (dialog == nullptr) {
        out() << "no dialog\n";
        return;
    }
    out() << dialog->metaObject()->className() << " \"" << dialog->windowTitle() << "\"\n";
    dialog->reject();
}

/// Chooses the print dialog's "Print to File (PDF)" printer, presses the button that browses
/// for the file, and cancels the file dialog it opens.
void cancelPrintToFileChooser(QDialog& print)
{
    auto* printers = print.findChild<QComboBox*>(QStringLiteral("printers"));
    auto* browse = print.findChild<QAbstractButton*>(QStringLiteral("fileBrowser"));
    const int toFile = printers == nullptr ? -1 : printers->findText("Print to File (PDF)");
    if (toFile < 0 || browse == nullptr) {
        out() << "print to file: no printer entry or browse button\n";
        return;
    }
    printers->setCurrentIndex(toFile);
    OnNextModalDialog([](QDialog* chooser) { cancel("print to file", chooser); });
    browse->click();
}

} // namespace

int main(int argc, char** argv)
{
    fw::RuntimeInit(argc, argv);
    fw::DialogSeam::reset();

    OnNextModalDialog([](QDialog* dialog) { cancel("open", dialog); });
    const bool opened = fw::GetOpenFolderItem(QStringLiteral("text/plain")) != nullptr;

    OnNextModalDialog([](QDialog* dialog) { cancel("page setup", dialog); });
    const bool setUp = fw::PrinterSetup().PageSetupDialog();

    OnNextModalDialog([](QDialog* dialog) {
        if (dialog != nullptr) {
            cancelPrintToFileChooser(*dialog);
        }
        cancel("print", dialog);
    });
    const bool printing = fw::OpenPrinterDialog(nullptr) != nullptr;

    if (opened || setUp || printing) {
        out() << "a cancelled dialog was taken as accepted\n";
    }
    out().flush();
    return fw::RuntimeExit();
}
