#pragma once

#include "MenuItem.h"

namespace fw {

/// @brief A menu bar: a MenuItem whose children are the menu titles. Its Enabled enables or
/// disables the bar as a whole.
class MenuBar : public MenuItem {};

} // namespace fw
