#include <chrono>

#include "gui_window.hpp"
#include "runtime/codepage.hpp"
#include "runtime/win32/win32_net.hpp"
#include "runtime/win32/win32_shell.hpp"
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
            coded("C:\\hosts", "xyz"),
            webHost,
            ruleHost};
}

TEST(TheProgramAtStart, EndsAfterOneMessageWhenTheMakersHostsDoNotAnswer) {
    const Text closed = "127.0.0.1:" + std::to_string(testing::LoopbackServer::closedPort());
    const StoredValues stored = storedValues(closed, closed);
    Win32Ui ui;
    ui.dialogScript().active = true;
    Win32Net net;
    testing::FakeShell shell;
    Win32WindowSystem windows;

    const auto start = std::chrono::steady_clock::now();
    const int exitCode = runApplication(ui, {ui, net, shell, windows}, stored, eventBindings());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));

    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(ui.dialogScript().shownBoxes.size(), 1u);
    const ShownBox& box = ui.dialogScript().shownBoxes[0];
    EXPECT_EQ(box.text,
              "\xC1\xAC\xBD\xD3\xB7\xFE\xCE\xF1\xC6\xF7\xCA\xA7\xB0\xDC");  // 连接服务器失败
    EXPECT_EQ(box.title, "Tesmolen");
    EXPECT_EQ(box.style, BoxStyle{});
    EXPECT_FALSE(IsWindowVisible(ui.mainWindow())) << "the window never opens";
}

// The user, closing the window once it is up.
Win32Ui* closingUi = nullptr;
void CALLBACK closeWhenUp(HWND, UINT, UINT_PTR, DWORD) {
    if (IsWindowVisible(closingUi->mainWindow())) {
        PostMessageW(closingUi->mainWindow(), WM_CLOSE, 0, 0);
    }
}

TEST(TheProgramAtStart, EndsWithExitCodeZeroWhenTheWindowIsClosed) {
    const StoredValues stored = storedValues("web.test", "rules.test");
    Win32Ui ui;
    testing::FakeNet net;
    net.answeringHosts = {{"web.test", 1}, {"rules.test", 1}};
    testing::FakeShell shell;
    Win32WindowSystem windows;
    closingUi = &ui;
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, closeWhenUp);
    const int exitCode = runApplication(ui, {ui, net, shell, windows}, stored, eventBindings());
    KillTimer(nullptr, timer);
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(IsWindow(ui.mainWindow()));
    EXPECT_EQ(net.testedHosts, (std::vector<Text>{"web.test", "rules.test"}));
}

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

    wchar_t shown[4096] = {};
    GetWindowTextW(control(unit::noticeText), shown, 4096);
    EXPECT_EQ(std::wstring(shown), gbkToWide(sitePage("notice.txt")));
    EXPECT_EQ(ui.timer(unit::noticeTimer).period(), 15000);
    EXPECT_TRUE(IsWindowVisible(control(unit::noticeBox)));

    // The system's timer ticks, sooner than start-up set it.
    ui.timer(unit::noticeTimer).setPeriod(50);
    EXPECT_TRUE(testing::pumpUntil([this] { return !IsWindowVisible(control(unit::noticeBox)); }));
    EXPECT_TRUE(IsWindowVisible(control(unit::instructionsGroup)));
}

}  // namespace
}  // namespace tesmolen
