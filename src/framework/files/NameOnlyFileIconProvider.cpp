#include "NameOnlyFileIconProvider.h"

#include <QApplication>
#include <QStyle>

namespace fw {

QMimeType NameOnlyFileIconProvider::guessFromName(const QFileInfo& info) const
{
    // The string overload with MatchExtension looks at the name only: no stat, no read.
    return mimeTypes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

QIcon NameOnlyFileIconProvider::icon(const QFileInfo& info) const
{
    if (info.isRoot()) {
        return icon(Drive);
    }
    if (info.isDir()) {
        return info.isSymLink() ? QApplication::style()->standardIcon(QStyle::SP_DirLinkIcon)
                                : icon(Folder);
    }
    if (!info.isFile()) {
        return {}; // a device, pipe, socket or broken link, as Qt's provider leaves them
    }
    if (info.isSymLink()) {
        return QApplication::style()->standardIcon(QStyle::SP_FileLinkIcon);
    }
    // The icon theme's icon for the guessed type; never the platform's per-file icon, which
    // may read the file.
    const QMimeType mime = guessFromName(info);
    const QIcon themed =
        QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
    return themed.isNull() ? icon(File) : themed;
}

QString NameOnlyFileIconProvider::type(const QFileInfo& info) const
{
    if (!info.isFile()) {
        return QFileIconProvider::type(info); // drive, folder, link: no file is read
    }
    const QMimeType mime = guessFromName(info);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

} // namespace fw
