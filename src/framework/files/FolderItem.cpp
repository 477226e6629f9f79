#include "FolderItem.h"

#include "TextInputStream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fw {

FolderItem::FolderItem(QString absolutePath) : path_(std::move(absolutePath)) {}

std::shared_ptr<FolderItem> FolderItem::FromPath(const QString& path)
{
    if (path.isEmpty()) {
        return nullptr;
    }
    return std::make_shared<FolderItem>(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

std::shared_ptr<FolderItem> FolderItem::Child(const QString& name) const
{
    if (name.isEmpty() || name == "." || name == ".." || name.contains('/')) {
        return nullptr;
    }
    return std::make_shared<FolderItem>(QDir::cleanPath(path_ + '/' + name));
}

bool FolderItem::Exists() const { return QFileInfo::exists(path_); }

bool FolderItem::IsFolder() const { return QFileInfo(path_).isDir(); }

QString FolderItem::Name() const
{
    const QString name = QFileInfo(path_).fileName();
    return name.isEmpty() ? path_ : name;
}

std::shared_ptr<TextInputStream> FolderItem::OpenAsTextFile()
{
    const QFileInfo info(path_);
    if (!info.exists()) {
        lastError_ = QStringLiteral("No such file or directory");
        return nullptr;
    }
    if (info.isDir()) {
        lastError_ = QStringLiteral("Is a directory");
        return nullptr;
    }
    // A pipe or a device could block the program or never end.
    if (!info.isFile()) {
        lastError_ = QStringLiteral("Not a regular file");
        return nullptr;
    }
    auto file = std::make_unique<QFile>(path_);
    if (!file->open(QIODevice::ReadOnly)) {
        lastError_ = file->errorString();
        return nullptr;
    }
    lastError_.clear();
    return std::make_shared<TextInputStream>(std::move(file));
}

} // namespace fw
