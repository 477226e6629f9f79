#pragma once

#include <QString>

#include <memory>

namespace fw {

class FolderItem;

/// @brief Asks for a file to open, through DialogSeam::openFile or a QFileDialog that guesses
/// the types of the files it lists from their names only (NameOnlyFileIconProvider).
///
/// The dialog's filters are the file type most recently registered under @p typeName (when
/// there is one) and "All files (*)". Returns nullptr when the dialog is cancelled.
std::shared_ptr<FolderItem> GetOpenFolderItem(const QString& typeName);

/// @brief The filter string GetOpenFolderItem gives the dialog, filters separated by ";;".
QString OpenDialogFilter(const QString& typeName);

} // namespace fw
