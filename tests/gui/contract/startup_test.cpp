// Start-up in the real window with the real network of each build. Run by both window suites.

#include "app/startup.hpp"

#include <chrono>

#include "gui_window.hpp"
#include "runtime/codepage.hpp"
#include "support/loopback_server.hpp"
#include "support/source_tree.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

StoredValue coded(const Text& value, const Text& key) {
    return {encodeTextWithSalt(value, key, "GT"), key};
}

// The stored values of a program whose maker's hosts are these, its site on the rule host.
StoredValues storedValues(const Text& webHost, const Text& ruleHost) {
    const Text site = "http://" + ruleHost + "/kovrel/ad/";
    return {coded(site + "banner1.jpg", "abc"),
            coded(site + "banner2.jpg", "abcde"),
            coded(site + "banner3.jpg", "abcd"),
            coded(site + "notice.txt", "ab"),
            coded("hosts", "xyz"),
            webHost,
            ruleHost};
}

struct SilentServer {
    const char* name;
    bool accepts;  // accepts connections and never answers; else nothing listens
};

class StartUpAgainstASilentServer : public testing::GuiWindow,
                                    public ::testing::WithParamInterface<SilentServer> {};

TEST_P(StartUpAgainstASilentServer, TakesOneWaitingTimeAtMost) {
    testing::LoopbackServer server;  // no page is set: every request meets silence
    const Text host = GetParam().accepts
                          ? server.host()
                          : "127.0.0.1:" + std::to_string(testing::LoopbackServer::closedPort());
    testing::WindowNet windowNet;
    Program starting{{}, ui, windowNet, shell, windows, resolverCache, storedValues(host, host)};

    const auto start = std::chrono::steady_clock::now();
    mainWindowCreated(starting);
    EXPECT_LE(std::chrono::steady_clock::now() - start, std::chrono::seconds(7))
        << "the four reads and the two host tests wait at the same time";

    const std::vector<ShownBox>& boxes = ui.dialogScript().shownBoxes;
    if (GetParam().accepts) {
        EXPECT_FALSE(ui.endedWith()) << "the hosts accept connections: the program runs";
        EXPECT_TRUE(boxes.empty());
        for (int slot = 1; slot <= 3; ++slot) {
            EXPECT_FALSE(ui.graphicButton(unit::banner).hasPicture(slot)) << slot;
        }
        EXPECT_EQ(ui.unit(unit::noticeText).text(), fallbackNotice());
        return;
    }
    EXPECT_EQ(ui.endedWith(), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "\xC1\xAC\xBD\xD3\xB7\xFE\xCE\xF1\xC6\xF7\xCA\xA7\xB0\xDC");  // 连接服务器失败
    EXPECT_EQ(boxes[0].title, "Tesmolen");
    EXPECT_EQ(boxes[0].style, BoxStyle{});
}

INSTANTIATE_TEST_SUITE_P(Servers, StartUpAgainstASilentServer,
                         ::testing::Values(SilentServer{"AcceptingAndNeverAnswering", true},
                                           SilentServer{"NotListening", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The window as start-up leaves it, with the maker's site as shipped.
class StartUpInTheWindow : public testing::GuiWindow {
protected:
    StartUpInTheWindow() {
        const Text site = "http://rules.test/kovrel/ad/";
        program.stored = storedValues("web.test", "rules.test");
        net.answeringHosts = {{"web.test", 1}, {"rules.test", 1}};
        net.pages = {{site + "banner1.jpg", sitePage("banner1.jpg")},
                     {site + "banner2.jpg", sitePage("banner2.jpg")},
                     {site + "banner3.jpg", "not a picture"},
                     {site + "notice.txt", sitePage("notice.txt")}};
    }

    static Bytes sitePage(const std::string& name) {
        return testing::sourceFile("site/kovrel/ad/" + name);
    }
};

TEST_F(StartUpInTheWindow, ShowsTheBannerAndTheNoticeThenHidesTheNotice) {
    raiseEvent(program, eventBindings(), unit::mainWindow, UiEvent::created);
    GraphicButton& banner = ui.graphicButton(unit::banner);
    EXPECT_TRUE(banner.hasPicture(1));
    EXPECT_TRUE(banner.hasPicture(2));
    EXPECT_FALSE(banner.hasPicture(3)) << "bytes that are not a picture leave the slot empty";

    EXPECT_EQ(textOnScreen(unit::noticeText), sitePage("notice.txt"));
    EXPECT_EQ(ui.timer(unit::noticeTimer).period(), 15000);
    EXPECT_TRUE(ui.unit(unit::noticeBox).visible());

    // The system's timer ticks, sooner than start-up set it.
    ui.timer(unit::noticeTimer).setPeriod(50);
    EXPECT_TRUE(testing::pumpUntil([this] { return !ui.unit(unit::noticeBox).visible(); }));
    EXPECT_TRUE(ui.unit(unit::instructionsGroup).visible());
}

}  // namespace
}  // namespace tesmolen
