#include "runtime/row_store.hpp"

#include <algorithm>

namespace tesmolen {

bool RowStore::holds(int row, int column) const {
    return row >= 0 && row < rowCount() && column >= 0 && column <= 1;
}

int RowStore::appendRow(const Text& column0) {
    rows_.push_back({bytes_.store(column0), {}});
    return rowCount() - 1;
}

void RowStore::setCell(int row, int column, const Text& text) {
    if (holds(row, column)) {
        rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = bytes_.store(text);
    }
}

Text RowStore::cell(int row, int column) const {
    return Text(cellView(row, column));
}

std::string_view RowStore::cellView(int row, int column) const {
    if (!holds(row, column)) return {};
    return CellStore::view(rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
}

void RowStore::visitColumn(int column,
                           const std::function<void(std::string_view)>& visit) const {
    if (column < 0 || column > 1) return;
    for (const auto& row : rows_) visit(CellStore::view(row[static_cast<std::size_t>(column)]));
}

bool RowStore::deleteRow(int row) {
    if (!holds(row, 0)) return false;
    rows_.erase(rows_.begin() + row);
    return true;
}

void RowStore::clear() {
    decltype(rows_)().swap(rows_);
    bytes_.clear();
}

int RowStore::selectionAfterDelete(int deleted) const {
    if (rowCount() == 0) return -1;
    return std::clamp(deleted, 0, rowCount() - 1);
}

}  // namespace tesmolen
