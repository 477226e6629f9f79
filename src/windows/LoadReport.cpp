#include "LoadReport.h"

#include "CodeList.h"
#include "MsgBox.h"

namespace {

const QString title = QStringLiteral("Tamberlo");

} // namespace

void ReportUnreadableFile(const QString& error)
{
    fw::MsgBox(title, error);
}

void ReportCodesLeftOut(const QString& source, qsizetype leftOut)
{
    const QString text =
        QStringLiteral("The code list holds %1 codes: the first %1 codes of \"%2\" were loaded "
                       "and %3 more were left out.")
            .arg(codes::CodeListCapacity)
            .arg(source)
            .arg(leftOut);
    fw::MsgBox(title, text);
}
