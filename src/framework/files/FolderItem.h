#pragma once

#include <QString>

#include <memory>

namespace fw {

class TextInputStream;

/// @brief A file or folder by its path; it need not exist.
///
/// Items are handled as std::shared_ptr<FolderItem>; nullptr stands for no item.
class FolderItem {
  public:
    /// Takes an absolute, clean path; use FromPath for any other.
    explicit FolderItem(QString absolutePath);

    /// @brief The item at @p path, made absolute and clean; nullptr for an empty path.
    static std::shared_ptr<FolderItem> FromPath(const QString& path);

    /// @brief The item named @p name inside this folder, existing or not; nullptr when the
    /// name is empty, ".", ".." or holds a "/".
    std::shared_ptr<FolderItem> Child(const QString& name) const;
    bool Exists() const;
    bool IsFolder() const;
    /// @brief The last part of the path: the file's name.
    QString Name() const;
    QString Path() const { return path_; }

    /// @brief Opens the file for reading text; nullptr when it cannot be opened, and then
    /// LastErrorString says why (the file does not exist, is a folder or not a regular
    /// file, or the system refused it).
    std::shared_ptr<TextInputStream> OpenAsTextFile();
    /// @brief Why the last OpenAsTextFile failed; empty after a success.
    QString LastErrorString() const { return lastError_; }

  private:
    QString path_;
    QString lastError_;
};

} // namespace fw
