#pragma once
// The rows of a two-column report list held in memory, packed (see CellStore). Rows and columns
// count from 0; a row or column that does not exist reads as the empty text.

#include <array>
#include <deque>
#include <functional>

#include "runtime/cell_store.hpp"
#include "runtime/text.hpp"

namespace tesmolen {

class RowStore {
public:
    int appendRow(const Text& column0);
    void setCell(int row, int column, const Text& text);
    Text cell(int row, int column) const;
    void visitColumn(int column, const std::function<void(std::string_view)>& visit) const;
    int rowCount() const { return static_cast<int>(rows_.size()); }
    void deleteRow(int row);
    void clear();

private:
    bool holds(int row, int column) const;

    CellStore bytes_;
    std::deque<std::array<CellStore::Cell, 2>> rows_;
};

}  // namespace tesmolen
