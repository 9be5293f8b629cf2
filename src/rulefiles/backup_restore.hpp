#pragma once
// The one backup of the hosts file, "bak.ad" at the backup path, as a rule file under the title
// text.

#include "runtime/program.hpp"

namespace tesmolen {

// 备份还原: pops up 备份还原菜单 at the button's left edge (2 pixels in) and top.
void popUpBackupRestoreMenu(Program& program);

// 备份数据: after a question, codes the hosts file as stored on disk into the backup file.
// Needs rows in the rule list; a hosts file that cannot be read or a backup that cannot be
// written is reported as a failure and leaves the previous backup whole.
void backupData(Program& program);

// 还原数据: after a question, replaces the rows by the rules of the backup file. The hosts file
// is not touched; the rows reach it with the next save. A backup that cannot be read or that
// decodes to no rules text with a rule is reported and keeps the rows.
void restoreData(Program& program);

const Text& backupFailedMessage();   // 数据备份失败\r\n如有需要,请向官方反馈
const Text& restoreFailedMessage();  // 数据还原失败\r\n如有需要,请向官方反馈\r\n可到官方下载规则直接导入

}  // namespace tesmolen
