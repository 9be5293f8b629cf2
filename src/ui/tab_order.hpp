#pragma once
// The order in which Tab and Shift+Tab visit the units: the units that take the keyboard, page by
// page, each page read as the screen shows it, from top to bottom and from left to right. The
// windows skip the units that are hidden or disabled when the key is pressed.

#include <vector>

#include "ui/layout.hpp"

namespace tesmolen {

std::vector<UnitName> unitsInTabOrder(const WindowLayout& layout);

}  // namespace tesmolen
