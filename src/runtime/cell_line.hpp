#pragma once
// What a list shows of a cell. A cell may hold megabytes (a blocklist kept as one rule); a list
// only ever draws a bounded piece of it, so drawing, measuring and hovering a row cost the same
// whatever the cell holds.

#include <cstddef>
#include <string_view>

#include "runtime/text.hpp"

namespace tesmolen {

// The cell's first bytes on one line: at most `bytes` bytes of the cell (never half a character),
// each line end ("\r\n", "\r" or "\n") shown as the line-end mark "↓", followed by the cut mark
// "…" when the cell goes on. A lead byte standing before a line end makes no character and is
// shown as "?". Never longer in characters than `bytes` + 1.
Text cellLine(std::string_view cell, std::size_t bytes);

}  // namespace tesmolen
