#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <chrono>

#include "app/application.hpp"
#include "app/bindings.hpp"
#include "app/startup.hpp"
#include "gui_window.hpp"
#include "runtime/codepage.hpp"
#include "runtime/qt/curl_net.hpp"
#include "runtime/qt/qt_ui.hpp"
#include "runtime/qt/qt_window_system.hpp"
#include "support/fake_seams.hpp"
#include "support/loopback_server.hpp"
#include "support/source_tree.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

StoredValue coded(const Text& value, const Text& key) {
    return {encodeTextWithSalt(value, key, "GT"), key};
}

TEST(TheProgramAtStart, EndsAfterOneMessageWhenTheMakersHostsDoNotAnswer) {
    const Text closed = "127.0.0.1:" + std::to_string(testing::LoopbackServer::closedPort());
    const Text site = "http://" + closed + "/kovrel/ad/";
    const StoredValues stored{coded(site + "banner1.jpg", "abc"),
                              coded(site + "banner2.jpg", "abcde"),
                              coded(site + "banner3.jpg", "abcd"),
                              coded(site + "notice.txt", "ab"),
                              coded("/etc/hosts", "xyz"),
                              closed,
                              closed};
    QtUi ui;
    ui.dialogScript().active = true;
    CurlNet net;
    testing::FakeShell shell;
    QtWindowSystem windows;

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
    EXPECT_FALSE(ui.mainWindow()->isVisible()) << "the window never opens";
}

TEST(TheProgramAtStart, OpensTheWindowSoonWhenTheMakersServerAcceptsAndNeverAnswers) {
    testing::LoopbackServer server;  // no page is set: every request meets silence
    const Text site = "http://" + server.host() + "/kovrel/ad/";
    QtUi ui;
    ui.dialogScript().active = true;
    CurlNet net{{.answerWait = std::chrono::seconds(1)}};
    testing::FakeShell shell;
    QtWindowSystem windows;
    Program program{{},
                    ui,
                    net,
                    shell,
                    windows,
                    {coded(site + "banner1.jpg", "abc"), coded(site + "banner2.jpg", "abcde"),
                     coded(site + "banner3.jpg", "abcd"), coded(site + "notice.txt", "ab"),
                     coded("/etc/hosts", "xyz"), server.host(), server.host()}};
    ui.createMainWindow([](UnitName, UiEvent) {});

    const auto start = std::chrono::steady_clock::now();
    mainWindowCreated(program);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(12))
        << "four reads of one silent second each, not four total timeouts";

    EXPECT_FALSE(ui.endedWith()) << "the hosts accept connections: the program runs";
    EXPECT_FALSE(ui.graphicButton(unit::banner).hasPicture(1));
    EXPECT_EQ(ui.unit(unit::noticeText).text(), fallbackNotice());
}

// The window as start-up leaves it, with the maker's site as shipped.
class StartUpInTheWindow : public testing::GuiWindow {
protected:
    StartUpInTheWindow() {
        const Text site = "http://rules.test/kovrel/ad/";
        program.stored = {coded(site + "banner1.jpg", "abc"),
                          coded(site + "banner2.jpg", "abcde"),
                          coded(site + "banner3.jpg", "abcd"),
                          coded(site + "notice.txt", "ab"),
                          coded("/etc/hosts", "xyz"),
                          "web.test",
                          "rules.test"};
        net.answeringHosts = {{"web.test", 1}, {"rules.test", 1}};
        net.pages = {{site + "banner1.jpg", sitePage("banner1.jpg")},
                     {site + "banner2.jpg", sitePage("banner2.jpg")},
                     {site + "banner3.jpg", "not a picture"},
                     {site + "notice.txt", sitePage("notice.txt")}};
    }

    static Bytes sitePage(const std::string& name) {
        return testing::sourceFile("site/kovrel/ad/" + name);
    }

    void startUp() { raiseEvent(program, eventBindings(), unit::mainWindow, UiEvent::created); }
};

TEST_F(StartUpInTheWindow, ShowsTheBannerAndThePlainNoticeThenHidesTheNotice) {
    startUp();
    GraphicButton& banner = ui.graphicButton(unit::banner);
    EXPECT_TRUE(banner.hasPicture(1));
    EXPECT_TRUE(banner.hasPicture(2));
    EXPECT_FALSE(banner.hasPicture(3)) << "bytes that are not a picture leave the slot empty";

    auto* notice = widget<QPlainTextEdit>(unit::noticeText);
    ASSERT_NE(notice, nullptr);
    const QString shown = QString::fromStdString(gbkToUtf8(sitePage("notice.txt")));
    EXPECT_EQ(notice->toPlainText().toStdString(),
              QString(shown).replace("\r\n", "\n").toStdString());
    EXPECT_EQ(ui.timer(unit::noticeTimer).period(), 15000);
    EXPECT_TRUE(ui.widget(unit::noticeBox)->isVisible());

    raiseEvent(program, eventBindings(), unit::noticeTimer, UiEvent::timerTick);
    EXPECT_FALSE(ui.widget(unit::noticeBox)->isVisible());
    EXPECT_TRUE(ui.widget(unit::instructionsGroup)->isVisible());
}

}  // namespace
}  // namespace tesmolen
