#pragma once

#include "runtime/program.hpp"

namespace tesmolen {

// 保存: replaces the hosts file by its system's own text followed by the hosts text of the rule
// list. Once the file is written, asks the system to forget the host names it has resolved, then
// confirms with an owned box titled with the product name; or reports that the file could not be
// read or written, and the previous file stays whole.
void saveRules(Program& program);

const Text& savedMessage();       // 保存成功
const Text& saveFailedMessage();  // 数据保存失败\r\n如有需要,请向官方反馈

}  // namespace tesmolen
