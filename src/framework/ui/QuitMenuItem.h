#pragma once

#include "MenuItem.h"

namespace fw {

/// @brief A menu item whose own action quits the application when no handler took the
/// command; it is always enabled for auto-enabling.
class QuitMenuItem : public MenuItem {};

} // namespace fw
