#include "LoadReport.h"

#include "CodeList.h"
#include "MsgBox.h"
#include "Window.h"

namespace {

const QString title = QStringLiteral("Tamberlo");

} // namespace

void ReportUnreadableFile(fw::Window& window, const QString& error)
{
    window.ShowMessage(title, error);
}

void ReportUnreadableFileNow(const QString& error) { fw::MsgBox(title, error); }

void ReportCodesLeftOut(fw::Window& window, const QString& source, qsizetype leftOut)
{
    const QString text =
        QStringLiteral("The code list holds %1 codes: the first %1 codes of \"%2\" were loaded "
                       "and %3 more were left out.")
            .arg(codes::CodeListCapacity)
            .arg(source)
            .arg(leftOut);
    window.ShowMessage(title, text);
}
