#pragma once
// The rule list's pop-up menu and its one item, deleting the selected row.

#include "runtime/program.hpp"

namespace tesmolen {

// Right-click on the rule list: pops up 右键菜单 at the mouse pointer when a row is selected.
void popUpRuleListMenu(Program& program);

// 删除本条: removes the selected row from the list after a Yes; the hosts file keeps the rule
// until the next save.
void deleteSelectedRule(Program& program);

const Text& deleteEntryQuestion();  // "删除该条记录,保存设置后生效!"

}  // namespace tesmolen
