#include "rules/save_rules.hpp"

#include <utility>

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
    // The system's own text of the file stays as it is. A file that is there but cannot be read,
    // or that holds a zero byte, is not saved over: its own text would be lost. A missing file
    // has none.
    const Text& path = program.state.hostsPath;
    putBackInterruptedWrite(path, program.elevatedWriter);
    std::optional<Bytes> onDisk = readWholeFileIfReadable(path);
    std::optional<Text> hostsText;
    if (onDisk || nothingAt(path)) {
        hostsText = savedHostsText(std::move(onDisk).value_or(Bytes{}), program.ui.list(unit::ruleList));
    }
    if (!hostsText || !writeWholeFile(path, *hostsText, program.elevatedWriter)) {
        report(program, saveFailedMessage());
        return;
    }
    program.resolverCache.flush();
    ownedMessageBox(program, savedMessage(), {.title = Text(productName)});
}

}  // namespace tesmolen
