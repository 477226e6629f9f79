#pragma once

#include <QString>

namespace fw {
class FolderItem;
}

namespace codes {

/// @brief The message for a file that could not be opened or read: its path and @p reason.
QString FileErrorMessage(const fw::FolderItem& file, const QString& reason);

} // namespace codes
