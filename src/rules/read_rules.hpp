#pragma once

#include "runtime/program.hpp"

namespace tesmolen {

// Appends one row of the rule list per "#" pair of the current rules text, numbered from "1";
// never clears the list.
void parseRules(Program& program);

// 读取: loads the hosts file into the rule list; reports when it holds no rule.
void readRules(Program& program);

// True when the rule list holds no row (its first cell is empty).
bool ruleListIsEmpty(Program& program);

const Text& readFailedMessage();  // "数据读取失败\r\n如有需要,请向官方反馈"

}  // namespace tesmolen
