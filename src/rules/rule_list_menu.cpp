#include "rules/rule_list_menu.hpp"

#include "runtime/codepage.hpp"
#include "runtime/message_boxes.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

const Text& deleteEntryQuestion() {
    static const Text text = gbk(u8"删除该条记录,保存设置后生效!");
    return text;
}

void popUpRuleListMenu(Program& program) {
    const ReportList& list = program.ui.list(unit::ruleList);
    if (list.cell(list.selectedRow(), 0).empty()) return;
    program.ui.popUpMenu(unit::listMenu, program.ui.mousePosition());
}

void deleteSelectedRule(Program& program) {
    if (!askYesNo(program, deleteEntryQuestion())) return;
    ReportList& list = program.ui.list(unit::ruleList);
    const int row = list.selectedRow();
    if (row >= 0) list.deleteRow(row);
}

}  // namespace tesmolen
