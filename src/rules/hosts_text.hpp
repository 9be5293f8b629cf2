#pragma once

#include <optional>
#include <string_view>

#include "runtime/ui.hpp"

namespace tesmolen {

// The hosts text of a rule list: one rule block per row, built from column 1, in list order.
Text hostsTextOf(const ReportList& list);

// The system's own text of a hosts text: every byte that lies outside its rule blocks
// (comments, blank lines, entries, with their own line ends), in order. Nothing when the text
// could not be searched.
std::optional<Text> systemTextOf(Text hostsText);

// What a save writes over a hosts file that holds these bytes: its system's own text, a CR LF
// when that text does not end a line, then the rule blocks of the list. Nothing when the bytes
// hold a zero byte: what follows it could not be kept.
std::optional<Text> savedHostsText(Text hostsOnDisk, const ReportList& list);

}  // namespace tesmolen
