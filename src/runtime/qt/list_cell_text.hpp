#pragma once
// What the rule list shows of a cell. A cell may hold megabytes (a blocklist kept as one rule);
// the view only ever sees a bounded piece of it, so drawing, measuring and hovering a row cost
// the same whatever the cell holds.

#include <QString>

#include <string_view>

namespace tesmolen {

// The mark that stands for a line end in a row, and the one that ends a cut text.
inline constexpr char16_t lineEndMark = u'\u23CE';
inline constexpr char16_t cutMark = u'\u2026';

// The cell's first bytes on one line, each line end drawn as a visible mark; at most `bytes`
// bytes of the cell (never half a character), followed by the cut mark when the cell goes on.
QString cellLine(std::string_view cell, std::size_t bytes);

// A tooltip of at most `lines` lines of at most `lineBytes` bytes each, found in the cell's first
// 16 × lines × lineBytes bytes; a cut line ends in the cut mark, and a last line of its own holds
// the cut mark when the cell goes on.
QString cellTip(std::string_view cell, int lines, std::size_t lineBytes);

}  // namespace tesmolen
