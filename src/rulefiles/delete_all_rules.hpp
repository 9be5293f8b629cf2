#pragma once

#include "runtime/program.hpp"

namespace tesmolen {

// 删除全部: after a Yes, empties and hides the rule list. The hosts file changes only with the
// next save.
void deleteAllRules(Program& program);

const Text& deleteAllQuestion();  // "是否删除全部数据，取消点击否"
const Text& deletedAllMessage();  // "删除全部数据成功"

}  // namespace tesmolen
