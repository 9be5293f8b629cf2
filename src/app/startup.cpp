#include "app/startup.hpp"

#include <future>

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

// What the network answers at start-up.
struct StartupAnswers {
    Bytes pictures[3];
    Bytes notice;
    bool webHostAnswers = false;
    bool ruleHostAnswers = false;
};

// Reads the banner pictures and the notice and tests the maker's hosts, each on a thread of its
// own, so that a silent server costs one waiting time rather than one for each read. Returns once
// every read has ended.
StartupAnswers readTogether(Net& net, const StoredValues& stored) {
    auto read = [&net](const StoredValue& url) {
        return std::async(std::launch::async,
                          [&net, url = decoded(url)] { return net.httpRead(url); });
    };
    auto test = [&net](const Text& host) {
        return std::async(std::launch::async,
                          [&net, host] { return net.reachability(host) != -1; });
    };
    std::future<Bytes> pictures[] = {read(stored.bannerPicture1), read(stored.bannerPicture2),
                                     read(stored.bannerPicture3)};
    std::future<Bytes> notice = read(stored.notice);
    std::future<bool> webHost = test(stored.makerWebHost);
    std::future<bool> ruleHost = test(stored.makerRuleHost);

    StartupAnswers answers;
    for (int slot = 0; slot < 3; ++slot) answers.pictures[slot] = pictures[slot].get();
    answers.notice = notice.get();
    answers.webHostAnswers = webHost.get();
    answers.ruleHostAnswers = ruleHost.get();
    return answers;
}

// An empty notice, or one with markup in it (a server's error page, say), is not shown.
bool noticeIsUsable(const Text& notice) {
    return !notice.empty() && notice.find('<') == Text::npos;
}

}  // namespace

void mainWindowCreated(Program& program) {
    const StartupAnswers answers = readTogether(program.net, program.stored);

    GraphicButton& banner = program.ui.graphicButton(unit::banner);
    for (int slot = 1; slot <= 3; ++slot) banner.setPicture(slot, answers.pictures[slot - 1]);
    Unit& notice = program.ui.unit(unit::noticeText);
    notice.setText(toText(answers.notice));

    program.state.titleText = Text(productName);
    program.state.hostsPath = decoded(program.stored.hostsFile);
    program.state.backupPath = currentDirectory() + "bak.ad";
    program.ui.switchVisualStyle();

    // Either host silent: one message, whichever of them it was.
    if (!answers.webHostAnswers || !answers.ruleHostAnswers) {
        report(program, serverUnreachableMessage());
        program.ui.endProcess(0);
        return;
    }

    if (!noticeIsUsable(notice.text())) notice.setText(fallbackNotice());
    program.ui.timer(unit::noticeTimer).setPeriod(noticePeriodMilliseconds);
}

void noticeTimerTick(Program& program) {
    program.ui.unit(unit::noticeBox).setVisible(false);
}

}  // namespace tesmolen
