#include "runtime/row_store.hpp"

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
    if (!holds(row, column)) return {};
    return Text(
        CellStore::view(rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]));
}

void RowStore::visitColumn(int column,
                           const std::function<void(std::string_view)>& visit) const {
    if (column < 0 || column > 1) return;
    for (const auto& row : rows_) visit(CellStore::view(row[static_cast<std::size_t>(column)]));
}

void RowStore::deleteRow(int row) {
    if (holds(row, 0)) rows_.erase(rows_.begin() + row);
}

void RowStore::clear() {
    rows_.clear();
    bytes_.clear();
}

}  // namespace tesmolen
