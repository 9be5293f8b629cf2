#pragma once
// What the rule list shows of a cell when the pointer rests on it. A cell may hold megabytes;
// the tooltip only ever sees a bounded piece of it (as a row does, see cell_line.hpp).

#include <QString>

#include <string_view>

namespace tesmolen {

// The mark that ends a cut text.
inline constexpr char16_t cutMark = u'\u2026';

// A tooltip of at most `lines` lines of at most `lineBytes` bytes each, found in the cell's first
// 16 × lines × lineBytes bytes; a cut line ends in the cut mark, and a last line of its own holds
// the cut mark when the cell goes on.
QString cellTip(std::string_view cell, int lines, std::size_t lineBytes);

}  // namespace tesmolen
