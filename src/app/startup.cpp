#include "app/startup.hpp"

#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "runtime/message_boxes.hpp"
#include "runtime/product.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

const Text& serverUnreachableMessage() {
    static const Text text = gbk(u8"连接服务器失败");
    return text;
}

const Text& fallbackNotice() {
    static const Text text = gbk(u8"Tesmolen终身免费使用");
    return text;
}

namespace {

Text decoded(const StoredValue& value) {
    return decodeText(value.cipherText, value.key);
}

// False after the message, when the host does not answer and the process is to end.
bool hostAnswers(Program& program, const Text& host) {
    if (program.net.reachability(host) != -1) return true;
    report(program, serverUnreachableMessage());
    program.ui.endProcess(0);
    return false;
}

// An empty notice, or one with markup in it (a server's error page, say), is not shown.
bool noticeIsUsable(const Text& notice) {
    return !notice.empty() && notice.find('<') == Text::npos;
}

}  // namespace

void mainWindowCreated(Program& program) {
    const StoredValues& stored = program.stored;
    GraphicButton& banner = program.ui.graphicButton(unit::banner);
    const StoredValue* pictures[] = {&stored.bannerPicture1, &stored.bannerPicture2,
                                     &stored.bannerPicture3};
    for (int slot = 1; slot <= 3; ++slot) {
        banner.setPicture(slot, program.net.httpRead(decoded(*pictures[slot - 1])));
    }
    Unit& notice = program.ui.unit(unit::noticeText);
    notice.setText(toText(program.net.httpRead(decoded(stored.notice))));

    program.state.titleText = Text(productName);
    program.state.hostsPath = decoded(stored.hostsFile);
    program.state.backupPath = currentDirectory() + "bak.ad";
    program.ui.switchVisualStyle();

    if (!hostAnswers(program, stored.makerWebHost)) return;
    if (!hostAnswers(program, stored.makerRuleHost)) return;

    if (!noticeIsUsable(notice.text())) notice.setText(fallbackNotice());
    program.ui.timer(unit::noticeTimer).setPeriod(noticePeriodMilliseconds);
}

void noticeTimerTick(Program& program) {
    program.ui.unit(unit::noticeBox).setVisible(false);
}

}  // namespace tesmolen
