#include <gtest/gtest.h>

#include "app/application.hpp"
#include "app/bindings.hpp"
#include "support/test_program.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using testing::TestProgram;

class Bindings : public ::testing::Test {
protected:
    Bindings() {
        t.program.stored.makerWebHost = "web.test";
        t.program.stored.makerRuleHost = "rules.test";
        t.net.answeringHosts = {{"web.test", 1}, {"rules.test", 1}};
    }

    void raise(UnitName unit, UiEvent event) {
        raiseEvent(t.program, eventBindings(), unit, event);
    }

    TestProgram t;
};

TEST_F(Bindings, CreationRunsTheStartUpAndTheTimerHidesTheNotice) {
    raise(unit::mainWindow, UiEvent::created);
    EXPECT_EQ(t.net.testedHosts, (std::multiset<Text>{"web.test", "rules.test"}));
    EXPECT_EQ(t.ui.fakeTimer(unit::noticeTimer).period(), 15000);
    raise(unit::noticeTimer, UiEvent::timerTick);
    EXPECT_FALSE(t.ui.fakeUnit(unit::noticeBox).visible());
}

// The page links are checked through their bindings: each row must start its own page.
TEST_F(Bindings, EachLinkOpensItsPage) {
    const struct {
        UnitName unit;
        UiEvent event;
        Text page;
    } links[] = {
        {unit::banner, UiEvent::click, "http://web.test/kovrel/ad/ads.html"},
        {unit::officialDownloadItem, UiEvent::chosen, "http://web.test/kovrel/ad/ad.html"},
        {unit::groupButton, UiEvent::click, "http://qun.example.org/wpa/qunwpa?idkey=7a3f9c1e5b"},
        {unit::paymentButton, UiEvent::click, "https://pay.example.org/tesmolen"},
    };
    for (const auto& link : links) {
        SCOPED_TRACE(link.page);
        t.shell.openedPages.clear();
        raise(link.unit, link.event);
        EXPECT_EQ(t.shell.openedPages, (std::vector<Text>{link.page}));
    }
    t.ui.answerYes();
    raise(unit::cloudDriveItem, UiEvent::chosen);
    EXPECT_EQ(t.shell.openedPages.back(), "http://web.test/kovrel/ad/pan.html");
}

TEST_F(Bindings, InformationCommands) {
    raise(unit::submitSiteButton, UiEvent::click);
    EXPECT_EQ(t.ui.messages.size(), 1u);
    raise(unit::downloadButton, UiEvent::click);
    ASSERT_EQ(t.ui.popUps.size(), 1u);
    EXPECT_TRUE(t.ui.popUps[0].menu == unit::downloadMenu);
    raise(unit::qrButton, UiEvent::click);
    EXPECT_TRUE(t.ui.fakeUnit(unit::qrPicture).visible());
    raise(unit::qrPicture, UiEvent::click);
    EXPECT_FALSE(t.ui.fakeUnit(unit::qrPicture).visible());
}

}  // namespace
}  // namespace tesmolen
