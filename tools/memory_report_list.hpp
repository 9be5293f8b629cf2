#pragma once
// A rule list held in memory only, for reading rules texts outside the window.

#include "runtime/row_store.hpp"
#include "runtime/ui.hpp"

namespace tesmolen::tools {

class MemoryReportList : public ReportList {
public:
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    int left() const override { return 0; }
    int top() const override { return 0; }
    Text text() const override { return {}; }
    void setText(const Text&) override {}

    void deleteAllRows() override { rows_.clear(); }
    int appendRow(const Text& column0) override { return rows_.appendRow(column0); }
    void setCell(int row, int column, Text text) override { rows_.setCell(row, column, text); }
    Text cell(int row, int column = 0) const override { return rows_.cell(row, column); }
    int rowCount() const override { return rows_.rowCount(); }
    void deleteRow(int row) override { rows_.deleteRow(row); }
    int selectedRow() const override { return -1; }
    void visitColumn(int column,
                     const std::function<void(std::string_view)>& visit) const override {
        rows_.visitColumn(column, visit);
    }

private:
    RowStore rows_;
    bool visible_ = true;
    bool enabled_ = true;
};

}  // namespace tesmolen::tools
