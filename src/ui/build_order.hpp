#pragma once
// The order in which a realisation of the window makes its units: every container before the
// units it holds, and otherwise the order of the table.

#include <vector>

#include "ui/layout.hpp"

namespace tesmolen {

// Throws std::logic_error when a unit's container is not in the table.
std::vector<const UnitSpec*> unitsInBuildOrder(const WindowLayout& layout);

}  // namespace tesmolen
