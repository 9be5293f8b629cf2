#pragma once
// The rule editor: a rule is made as editor text in the preview box, one piece per step. The
// editor's state is nothing but the enabled flags of its units.

#include "runtime/program.hpp"

namespace tesmolen {

// 按钮新建规则: opens a rule named by the site name box.
void newRule(Program& program);

// 按钮添加: adds the IP box's address and the host box's name as an entry of the open rule.
void addEntry(Program& program);

// 按钮编辑结束: closes the open rule; from then on its text can be exported.
void endEditing(Program& program);

// 按钮清空: blanks the IP box.
void clearIp(Program& program);

const Text& siteNameEmptyMessage();  // 网站名称不可为空
const Text& ipEmptyMessage();        // IP地址不可为空
const Text& hostEmptyMessage();      // 屏蔽网址不可为空
const Text& hashInNameMessage();     // 网站名称和屏蔽域名中不能包含#号

}  // namespace tesmolen
