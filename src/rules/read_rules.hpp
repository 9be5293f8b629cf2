#pragma once

#include "runtime/program.hpp"

namespace tesmolen {

// Appends one row per rule of the rules text to the list: the rule's number ("1", "2", ...) in
// column 0, its body in column 1. Never clears the list.
void parseRulesInto(const Text& rulesText, ReportList& list);

// The same without a copy of the text: it is lent to the expression for the search and is
// back, unchanged, when the call returns.
void parseRulesInPlace(Text& rulesText, ReportList& list);

// The same for the current rules text and the rule list.
void parseRules(Program& program);

// 读取: loads the hosts file into the rule list; reports when it holds no rule.
void readRules(Program& program);

// True when the rule list holds no row (its first cell is empty).
bool ruleListIsEmpty(Program& program);

const Text& readFailedMessage();  // 数据读取失败\r\n如有需要,请向官方反馈

}  // namespace tesmolen
