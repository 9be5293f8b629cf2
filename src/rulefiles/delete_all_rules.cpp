#include "rulefiles/delete_all_rules.hpp"

#include "runtime/codepage.hpp"
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
    Ui& ui = program.ui;
    const Text& title = program.state.titleText;
    if (ui.messageBox(deleteAllQuestion(), MessageButtons::yesNo, title) != answerYes) return;
    ReportList& list = ui.list(unit::ruleList);
    list.deleteAllRows();
    list.setVisible(false);
    ui.messageBox(deletedAllMessage(), MessageButtons::ok, title);
}

}  // namespace tesmolen
