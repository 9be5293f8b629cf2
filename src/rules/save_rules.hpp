#pragma once

#include "runtime/program.hpp"

namespace tesmolen {

// 保存: replaces the hosts file by its system's own text followed by the hosts text of the rule
// list. Confirms with an owned box titled with the product name, or reports that the file could
// not be read or written; the previous file then stays whole.
void saveRules(Program& program);

const Text& savedMessage();       // 保存成功
const Text& saveFailedMessage();  // 数据保存失败\r\n如有需要,请向官方反馈

}  // namespace tesmolen
