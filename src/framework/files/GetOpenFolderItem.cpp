#include "GetOpenFolderItem.h"

#include "DialogSeam.h"
#include "FileType.h"
#include "FolderItem.h"
#include "NameOnlyFileIconProvider.h"

#include <QApplication>
#include <QFileDialog>

namespace fw {

QString OpenDialogFilter(const QString& typeName)
{
    const QString allFiles = QStringLiteral("All files (*)");
    const FileType* type = FileType::Registered(typeName);
    return type == nullptr ? allFiles : type->NameFilter() + ";;" + allFiles;
}

namespace {

/// The dialog QFileDialog::getOpenFileName shows, but guessing file types from names only.
QString askForFileToOpen(const QString& filter)
{
    // Made before the dialog, which uses it until it is gone.
    NameOnlyFileIconProvider icons;
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Open"), QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setSupportedSchemes({QStringLiteral("file")});
    // Set before exec: the dialog describes the files it lists only from its event loop, so
    // Qt's own provider, which reads them, describes none.
    dialog.setIconProvider(&icons);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedUrls().value(0).toLocalFile();
}

} // namespace

std::shared_ptr<FolderItem> GetOpenFolderItem(const QString& typeName)
{
    const QString filter = OpenDialogFilter(typeName);
    const QString path = DialogSeam::openFile ? DialogSeam::openFile(filter).value_or(QString())
                                              : askForFileToOpen(filter);
    return FolderItem::FromPath(path);
}

} // namespace fw
