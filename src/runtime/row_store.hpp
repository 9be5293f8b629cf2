#pragma once
// The rows of a two-column report list held in memory, packed (see CellStore). Rows and columns
// count from 0; a row or column that does not exist reads as the empty text.

#include <array>
#include <deque>
#include <functional>
#include <string_view>

#include "runtime/cell_store.hpp"
#include "runtime/text.hpp"

namespace tesmolen {

class RowStore {
public:
    int appendRow(const Text& column0);
    void setCell(int row, int column, const Text& text);
    Text cell(int row, int column) const;
    // The same bytes without a copy, valid until the store changes.
    std::string_view cellView(int row, int column) const;
    void visitColumn(int column, const std::function<void(std::string_view)>& visit) const;
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // True when the row was there.
    bool deleteRow(int row);
    void clear();

    // The row a list selects once `deleted` is gone: the row that took its place, the new last
    // row when the last was deleted, none (-1) when the list is empty.
    int selectionAfterDelete(int deleted) const;

private:
    bool holds(int row, int column) const;

    CellStore bytes_;
    std::deque<std::array<CellStore::Cell, 2>> rows_;
};

}  // namespace tesmolen
