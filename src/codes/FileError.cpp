#include "FileError.h"

#include "FolderItem.h"

#include <QDir>

namespace codes {

QString FileErrorMessage(const fw::FolderItem& file, const QString& reason)
{
    const QString why = reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
    return QStringLiteral("The file \"%1\" could not be read: %2.")
        .arg(QDir::toNativeSeparators(file.Path()), why);
}

} // namespace codes
