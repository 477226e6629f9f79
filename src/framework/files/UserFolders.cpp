#include "UserFolders.h"

#include "FolderItem.h"

#include <QStandardPaths>

namespace fw::SpecialFolder {

std::shared_ptr<FolderItem> Preferences()
{
    auto folder = FolderItem::FromPath(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    if (folder == nullptr || !folder->IsFolder()) {
        return nullptr;
    }
    return folder;
}

} // namespace fw::SpecialFolder
