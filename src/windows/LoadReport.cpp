#include "LoadReport.h"

#include "CodeList.h"
#include "ExceptionReport.h"
#include "RuntimeException.h"

#include <exception>

void ReportUnreadableFile(const QString& error)
{
    fw::UnhandledException(std::make_exception_ptr(fw::IOException(error)));
}

void ReportCodesLeftOut(const QString& source, qsizetype leftOut)
{
    const QString text =
        QStringLiteral("The code list holds %1 codes: the first %1 codes of \"%2\" were loaded "
                       "and %3 more were left out.")
            .arg(codes::CodeListCapacity)
            .arg(source)
            .arg(leftOut);
    fw::UnhandledException(std::make_exception_ptr(fw::OutOfBoundsException(text)));
}
