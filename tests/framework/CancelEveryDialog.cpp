// Opens every real dialog of the framework and cancels it, each from a zero-delay timer, and
// prints one line for each dialog it saw (for file dialogs, how they type files). The tests
// run it in a process of its own, since Qt fixes where settings live once per process.

#include "DialogSeam.h"
#include "GetOpenFolderItem.h"
#include "ModalDialogs.h"
#include "OpenPrinterDialog.h"
#include "PrintedPage.h"
#include "PrinterSetup.h"
#include "Runtime.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

/// Whether @p files types a PDF without extension by its content (Qt's way, which reads
/// every listed file) or by its name alone.
QString howItTypes(QFileDialog& files)
{
    const QTemporaryDir folder;
    QFile report(folder.filePath("report"));
    if (!report.open(QIODevice::WriteOnly) || report.write("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n") < 0) {
        return QStringLiteral("no file to type");
    }
    report.close();
    files.setDirectory(folder.path());
    const auto* model = files.findChild<QFileSystemModel*>();
    if (model == nullptr) {
        return QStringLiteral("no file model");
    }
    const QString type = model->type(model->index(report.fileName()));
    return type.contains("PDF") ? QStringLiteral("types by content")
                                : QStringLiteral("types by name");
}

void cancel(const QString& what, QDialog* dialog)
{
    out() << what << ": ";
    if (dialog == nullptr) {
        out() << "no dialog\n";
        return;
    }
    out() << dialog->metaObject()->className() << " \"" << dialog->windowTitle() << "\"";
    if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
        out() << ", " << howItTypes(*files);
    }
    out() << "\n";
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
