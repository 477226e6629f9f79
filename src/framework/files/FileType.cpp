#include "FileType.h"

#include <algorithm>
#include <vector>

namespace fw {

namespace {

/// Registered types in the order of registration. Only the GUI thread uses it. Never
/// destroyed, so that a file type released during static destruction still finds it.
std::vector<const FileType*>& registry()
{
    static auto* types = new std::vector<const FileType*>;
    return *types;
}

} // namespace

FileType::FileType() = default;

FileType::~FileType() { withdraw(); }

void FileType::withdraw()
{
    if (registered_) {
        std::erase(registry(), this);
        registered_ = false;
    }
}

void FileType::SetName(const QString& name)
{
    withdraw();
    name_ = name;
}

void FileType::SetMacType(const QString& macType)
{
    withdraw();
    macType_ = macType;
}

void FileType::SetMacCreator(const QString& macCreator)
{
    withdraw();
    macCreator_ = macCreator;
}

void FileType::SetExtensions(const QString& extensions)
{
    withdraw();
    extensions_ = extensions;
}

QString FileType::Register()
{
    if (!registered_) {
        registry().push_back(this);
        registered_ = true;
    }
    return name_;
}

QStringList FileType::ExtensionList() const
{
    QStringList list;
    for (QString extension : extensions_.split(';')) {
        extension = extension.trimmed();
        if (extension.startsWith('.')) {
            extension.remove(0, 1);
        }
        if (!extension.isEmpty() && !list.contains(extension)) {
            list.append(extension);
        }
    }
    return list;
}

QString FileType::NameFilter() const
{
    QStringList patterns;
    for (const QString& extension : ExtensionList()) {
        patterns.append("*." + extension);
    }
    if (patterns.isEmpty()) {
        patterns.append("*");
    }
    return name_ + " (" + patterns.join(' ') + ")";
}

const FileType* FileType::Registered(const QString& name)
{
    const auto& types = registry();
    const auto found = std::find_if(types.rbegin(), types.rend(),
                                    [&name](const FileType* type) { return type->Name() == name; });
    return found == types.rend() ? nullptr : *found;
}

} // namespace fw
