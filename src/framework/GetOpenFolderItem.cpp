#include "GetOpenFolderItem.h"

#include "DialogSeam.h"
#include "FileType.h"
#include "FolderItem.h"

#include <QApplication>
#include <QFileDialog>

namespace fw {

QString OpenDialogFilter(const QString& typeName)
{
    const QString allFiles = QStringLiteral("All files (*)");
    const FileType* type = FileType::Registered(typeName);
    return type == nullptr ? allFiles : type->NameFilter() + ";;" + allFiles;
}

std::shared_ptr<FolderItem> GetOpenFolderItem(const QString& typeName)
{
    const QString filter = OpenDialogFilter(typeName);
    QString path;
    if (DialogSeam::openFile) {
        path = DialogSeam::openFile(filter).value_or(QString());
    } else {
        path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Open"),
                                            QString(), filter);
    }
    return FolderItem::FromPath(path);
}

} // namespace fw
