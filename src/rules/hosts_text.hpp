#pragma once

#include <string_view>

#include "runtime/ui.hpp"

namespace tesmolen {

// The hosts text of a rule list: one rule block per row, built from column 1, in list order.
Text hostsTextOf(const ReportList& list);

// The host entries that a hosts text holds besides its rules: of every line, the text before its
// first "#", without trailing spaces and tabs, when it is not blank and lies outside every "#"
// pair that reading the text forms. Each ends in CR LF. They hold no "#", so they never become
// rules, and a save keeps them.
Text systemEntriesOf(std::string_view hostsText);

// What a save writes over a hosts file that holds this text: its system entries, then the rule
// blocks of the list.
Text savedHostsText(std::string_view hostsOnDisk, const ReportList& list);

}  // namespace tesmolen
