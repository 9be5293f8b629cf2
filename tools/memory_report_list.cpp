#include "memory_report_list.hpp"

#include <utility>

namespace tesmolen::tools {

int MemoryReportList::appendRow(const Text& column0) {
    rows_.push_back({column0, {}});
    return rowCount() - 1;
}

void MemoryReportList::setCell(int row, int column, Text text) {
    if (!contains(row)) return;
    Row& r = rows_[static_cast<std::size_t>(row)];
    if (column == 0) r.number = std::move(text);
    if (column == 1) r.body = std::move(text);
}

Text MemoryReportList::cell(int row, int column) const {
    if (!contains(row)) return {};
    const Row& r = rows_[static_cast<std::size_t>(row)];
    if (column == 0) return r.number;
    if (column == 1) return r.body;
    return {};
}

void MemoryReportList::deleteRow(int row) {
    if (contains(row)) rows_.erase(rows_.begin() + row);
}

}  // namespace tesmolen::tools
