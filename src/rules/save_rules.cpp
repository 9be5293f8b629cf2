#include "rules/save_rules.hpp"

#include "rules/hosts_text.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "runtime/interrupted_write.hpp"
#include "runtime/message_boxes.hpp"
#include "runtime/product.hpp"
#include "textsvc/owned_message_box.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

const Text& savedMessage() {
    static const Text text = gbk(u8"保存成功");
    return text;
}

const Text& saveFailedMessage() {
    static const Text text = gbk(u8"数据保存失败\r\n如有需要,请向官方反馈");
    return text;
}

void saveRules(Program& program) {
    // The entries the system and other programs keep in the file stay; an unreadable file has
    // none to keep.
    putBackInterruptedWrite(program.state.hostsPath);
    const Text onDisk = toText(readWholeFile(program.state.hostsPath));
    const Text hostsText = savedHostsText(onDisk, program.ui.list(unit::ruleList));
    if (!writeWholeFile(program.state.hostsPath, hostsText)) {
        report(program, saveFailedMessage());
        return;
    }
    ownedMessageBox(program, savedMessage(), {.title = Text(productName)});
}

}  // namespace tesmolen
