#pragma once
// Rule files ".ad" chosen by the user through the window's one file dialog 通用对话框1, coded
// under the title text. The dialog keeps what a command set, so a setting made by one command
// stays in force for the other.

#include "runtime/program.hpp"

namespace tesmolen {

// 导入规则: adds the rules of a chosen rule file to the rows shown, numbered from "1". The
// hosts file is not touched; the rows reach it with the next save. A file that cannot be read,
// or that decodes to no rules text with a rule, is reported and changes nothing.
void importRuleFile(Program& program);

// 导出规则: writes the editor text of the preview box as a rule file. Silent on success; a file
// that cannot be written is reported.
void exportRuleFile(Program& program);

const Text& importFailedMessage();  // 规则导入失败\r\n如有需要,请向官方反馈
const Text& exportFailedMessage();  // 规则导出失败\r\n如有需要,请向官方反馈

}  // namespace tesmolen
