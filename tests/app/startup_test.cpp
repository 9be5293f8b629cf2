#include "app/startup.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "support/test_program.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using testing::TestProgram;

const Text bannerUrl[] = {"http://rules.test/b1.jpg", "http://rules.test/b2.jpg",
                          "http://rules.test/b3.jpg"};
const Text noticeUrl = "http://rules.test/notice.txt";
const Text webHost = "web.test:8080";
const Text ruleHost = "rules.test";

StoredValue stored(const Text& value, const Text& key) {
    return {encodeTextWithSalt(value, key, "QZ"), key};
}

// "连接服务器失败" and "Tesmolen终身免费使用" as GBK bytes.
const Text unreachable = "\xC1\xAC\xBD\xD3\xB7\xFE\xCE\xF1\xC6\xF7\xCA\xA7\xB0\xDC";
const Text fallback = "Tesmolen\xD6\xD5\xC9\xED\xC3\xE2\xB7\xD1\xCA\xB9\xD3\xC3";

class Startup : public ::testing::Test {
protected:
    Startup() {
        t.program.state.titleText.clear();
        t.program.stored = {stored(bannerUrl[0], "abc"),
                            stored(bannerUrl[1], "abcde"),
                            stored(bannerUrl[2], "abcd"),
                            stored(noticeUrl, "ab"),
                            stored("/x/hosts", "xyz"),
                            webHost,
                            ruleHost};
        t.net.answeringHosts = {{webHost, 12}, {ruleHost, 0}};
    }

    Text notice() { return t.ui.fakeUnit(unit::noticeText).text(); }
    int timerPeriod() { return t.ui.fakeTimer(unit::noticeTimer).period(); }

    TestProgram t;
};

TEST_F(Startup, FetchesBannerAndNoticeAndFillsTheState) {
    t.net.pages = {{bannerUrl[0], "P1"},
                   {bannerUrl[1], "P2"},
                   {bannerUrl[2], "P3"},
                   {noticeUrl, "\xB9\xE6\xD4\xF2 1.2"}};
    mainWindowCreated(t.program);

    const auto& banner = t.ui.fakeGraphicButton(unit::banner);
    EXPECT_EQ(banner.picture(1), "P1");
    EXPECT_EQ(banner.picture(2), "P2");
    EXPECT_EQ(banner.picture(3), "P3");
    EXPECT_FALSE(banner.hasPicture(4));
    EXPECT_EQ(notice(), "\xB9\xE6\xD4\xF2 1.2");
    EXPECT_EQ(t.net.readUrls,
              (std::multiset<Text>{bannerUrl[0], bannerUrl[1], bannerUrl[2], noticeUrl}));
    EXPECT_EQ(t.net.testedHosts, (std::multiset<Text>{webHost, ruleHost}));

    EXPECT_EQ(t.program.state.titleText, "Tesmolen");
    EXPECT_EQ(t.program.state.hostsPath, "/x/hosts");
    EXPECT_TRUE(t.ui.visualStyleSwitched);
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_FALSE(t.ui.endedWith.has_value());
    EXPECT_EQ(timerPeriod(), 15000);
}

TEST_F(Startup, BackupPathIsTheStartingDirectoryFollowedByTheFileName) {
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(t.temp.folder());
    const Text expected = pathText(std::filesystem::current_path() / "bak.ad");
    mainWindowCreated(t.program);
    std::filesystem::current_path(before);
    EXPECT_EQ(t.program.state.backupPath, expected);
}

TEST_F(Startup, EitherHostSilentEndsTheProgramAfterOneMessageWithBothTested) {
    const std::vector<Text> silentHosts[] = {{webHost}, {ruleHost}, {webHost, ruleHost}};
    for (const std::vector<Text>& silent : silentHosts) {
        SCOPED_TRACE(silent.front() + (silent.size() > 1 ? " and " + silent.back() : ""));
        TestProgram u;
        u.program.stored = t.program.stored;
        u.net.answeringHosts = t.net.answeringHosts;
        for (const Text& host : silent) u.net.answeringHosts.erase(host);
        mainWindowCreated(u.program);
        ASSERT_EQ(u.ui.messages.size(), 1u);
        EXPECT_EQ(u.ui.messages[0].text, unreachable);
        EXPECT_EQ(u.ui.messages[0].buttons, MessageButtons::ok);
        EXPECT_EQ(u.ui.messages[0].title, "Tesmolen");
        EXPECT_EQ(u.ui.endedWith, 0);
        EXPECT_EQ(u.ui.fakeTimer(unit::noticeTimer).period(), 0);
        EXPECT_EQ(u.net.testedHosts, (std::multiset<Text>{webHost, ruleHost}));
        EXPECT_EQ(u.net.readUrls.size(), 4u);
    }
}

TEST_F(Startup, ReadsAndTestsAllSixAnswersAtTheSameTime) {
    t.net.callsToMeet = 6;
    mainWindowCreated(t.program);
    EXPECT_EQ(t.net.mostCallsAtOnce, 6) << "a silent server would cost one waiting time per read";
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(Startup, FailedDownloadsLeaveEmptyPicturesAndTheFallbackNotice) {
    t.net.pages = {{bannerUrl[1], "P2"}};
    mainWindowCreated(t.program);
    const auto& banner = t.ui.fakeGraphicButton(unit::banner);
    EXPECT_FALSE(banner.hasPicture(1));
    EXPECT_EQ(banner.picture(2), "P2");
    EXPECT_FALSE(banner.hasPicture(3));
    EXPECT_EQ(notice(), fallback);
    EXPECT_EQ(timerPeriod(), 15000);
}

TEST_F(Startup, AnUnusableNoticeGivesWayToTheFallback) {
    using namespace std::string_literals;
    for (const Bytes& fetched : {"<"s, "<html>404</html>"s, "rules updated<"s, "a < b"s,
                                 "\0<"s /* nothing before the zero byte */}) {
        SCOPED_TRACE(fetched);
        TestProgram u;
        u.program.stored = t.program.stored;
        u.net.answeringHosts = t.net.answeringHosts;
        u.net.pages = {{noticeUrl, fetched}};
        mainWindowCreated(u.program);
        EXPECT_EQ(u.ui.fakeUnit(unit::noticeText).text(), fallback);
    }
}

TEST_F(Startup, AnyOtherNoticeIsShownUnchanged) {
    const Text fetched = "\xB8\xFC\xD0\xC2 > 2\r\n & more";
    t.net.pages = {{noticeUrl, fetched + '\0' + "<tail"}};
    mainWindowCreated(t.program);
    EXPECT_EQ(notice(), fetched);
}

TEST_F(Startup, TheTimerHidesTheNoticeBoxForGood) {
    mainWindowCreated(t.program);
    auto& box = t.ui.fakeUnit(unit::noticeBox);
    EXPECT_TRUE(box.visible());
    noticeTimerTick(t.program);
    EXPECT_FALSE(box.visible());
    noticeTimerTick(t.program);
    EXPECT_FALSE(box.visible());
    EXPECT_TRUE(t.ui.messages.empty());
}

}  // namespace
}  // namespace tesmolen
