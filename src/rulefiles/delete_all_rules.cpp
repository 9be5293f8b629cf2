#include "rulefiles/delete_all_rules.hpp"

#include "runtime/codepage.hpp"
#include "runtime/message_boxes.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

const Text& deleteAllQuestion() {
    static const Text text = gbk(u8"是否删除全部数据，取消点击否");
    return text;
}

const Text& deletedAllMessage() {
    static const Text text = gbk(u8"删除全部数据成功");
    return text;
}

void deleteAllRules(Program& program) {
    if (!askYesNo(program, deleteAllQuestion())) return;
    ReportList& list = program.ui.list(unit::ruleList);
    list.deleteAllRows();
    list.setVisible(false);
    report(program, deletedAllMessage());
}

}  // namespace tesmolen
