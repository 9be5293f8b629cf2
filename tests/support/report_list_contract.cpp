#include "support/report_list_contract.hpp"

#include <gtest/gtest.h>

namespace tesmolen::testing {

void expectSelectionFollowsDeletes(ReportList& list) {
    list.deleteAllRows();
    for (const char* number : {"1", "2", "3"}) list.appendRow(number);
    const struct {
        int deleted;
        int selected;
        const char* selectedNumber;
    } steps[] = {{1, 1, "3"}, {1, 0, "1"}, {0, -1, ""}};
    for (const auto& step : steps) {
        list.deleteRow(step.deleted);
        EXPECT_EQ(list.selectedRow(), step.selected) << "after deleting row " << step.deleted;
        EXPECT_EQ(list.cell(list.selectedRow(), 0), step.selectedNumber);
    }
    EXPECT_EQ(list.rowCount(), 0);
}

}  // namespace tesmolen::testing
