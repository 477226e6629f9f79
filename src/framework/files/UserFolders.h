#pragma once

#include <memory>

namespace fw {

class FolderItem;

/// @brief Folders the system keeps for the user.
namespace SpecialFolder {

/// @brief The user's configuration folder (XDG_CONFIG_HOME, else ~/.config); nullptr when it
/// does not exist.
std::shared_ptr<FolderItem> Preferences();

} // namespace SpecialFolder

} // namespace fw
