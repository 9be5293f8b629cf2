#pragma once
// What every realisation of the rule list does alike, checked on a list of that realisation.

#include "runtime/ui.hpp"

namespace tesmolen::testing {

// After a delete the row that took the deleted row's place is selected, the new last row when the
// last was deleted, none when the list is empty. Leaves the list empty.
void expectSelectionFollowsDeletes(ReportList& list);

}  // namespace tesmolen::testing
