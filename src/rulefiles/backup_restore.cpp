#include "rulefiles/backup_restore.hpp"

#include "rulefiles/redirect_check.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_texts.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "runtime/message_boxes.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

namespace {

const Text& overwriteBackupQuestion() {
    static const Text text = gbk(u8"存在备份文件,是否覆盖原备份文件");
    return text;
}

const Text& backupQuestion() {
    static const Text text = gbk(u8"是否备份数据，取消点击否");
    return text;
}

const Text& backupSucceededMessage() {
    static const Text text = gbk(u8"数据备份成功\r\n");
    return text;
}

const Text& backupMissingMessage() {
    static const Text text = gbk(u8"备份文件不存在\r\n可到官方下载规则直接导入");
    return text;
}

const Text& restoreQuestion() {
    static const Text text = gbk(u8"是否恢复备份数据，取消点击否");
    return text;
}

}  // namespace

const Text& backupFailedMessage() {
    static const Text text = gbk(u8"数据备份失败\r\n如有需要,请向官方反馈");
    return text;
}

const Text& restoreFailedMessage() {
    static const Text text =
        gbk(u8"数据还原失败\r\n如有需要,请向官方反馈\r\n可到官方下载规则直接导入");
    return text;
}

void popUpBackupRestoreMenu(Program& program) {
    const Unit& window = program.ui.window();
    const Unit& button = program.ui.unit(unit::backupRestoreButton);
    program.ui.popUpMenu(unit::backupRestoreMenu,
                         {window.left() + button.left() + 2, window.top() + button.top()});
}

void backupData(Program& program) {
    AppState& state = program.state;
    const bool replacing = fileExists(state.backupPath);
    if (!askYesNo(program, replacing ? overwriteBackupQuestion() : backupQuestion())) return;
    if (ruleListIsEmpty(program)) {
        report(program, backupFailedMessage());
        return;
    }
    // A hosts file that is missing or cannot be read would give a backup without rules in place
    // of a good one. An empty hosts file is backed up like any other.
    const std::optional<Bytes> hosts = readWholeFileIfReadable(state.hostsPath);
    if (!hosts) {
        report(program, backupFailedMessage());
        return;
    }
    Text cipherText = encodeText(toText(*hosts), state.titleText);
    if (!writeWholeFile(state.backupPath, cipherText)) {
        report(program, backupFailedMessage());
        return;
    }
    state.backupText = std::move(cipherText);
    report(program, backupSucceededMessage() + state.backupPath);
}

void restoreData(Program& program) {
    AppState& state = program.state;
    if (!fileExists(state.backupPath)) {
        report(program, backupMissingMessage());
        return;
    }
    if (!askYesNo(program, restoreQuestion())) return;
    // A backup that cannot be read, or that decodes to no rules (another key, another kind of
    // file, no "#" pair), leaves the rows as they are rather than emptying the list.
    const std::optional<Bytes> backup = readWholeFileIfReadable(state.backupPath);
    Text rulesText = backup ? decodeText(toText(*backup), state.titleText) : Text();
    if (!holdsRules(rulesText)) {
        report(program, restoreFailedMessage());
        return;
    }
    if (!acceptRedirects(program, rulesText, RedirectSource::backup)) return;
    state.currentRulesText = std::move(rulesText);
    ReportList& list = program.ui.list(unit::ruleList);
    list.deleteAllRows();
    list.setVisible(true);
    parseRules(program);
    if (ruleListIsEmpty(program)) {
        list.setVisible(false);
        report(program, restoreFailedMessage());
    }
}

}  // namespace tesmolen
