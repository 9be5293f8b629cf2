#pragma once

#include "runtime/ui.hpp"

namespace tesmolen {

// The hosts text of a rule list: one rule block per row, built from column 1, in list order.
Text hostsTextOf(const ReportList& list);

}  // namespace tesmolen
