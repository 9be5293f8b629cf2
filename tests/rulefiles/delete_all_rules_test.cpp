#include "rulefiles/delete_all_rules.hpp"

#include <gtest/gtest.h>

#include "rules/read_rules.hpp"
#include "runtime/codepage.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

using testing::TestProgram;

class DeleteAllRules : public ::testing::Test {
protected:
    DeleteAllRules() {
        t.temp.write("hosts", "#a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n#b" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n");
        t.program.state.hostsPath = t.temp.path("hosts");
        t.program.state.titleText = "Title";
    }

    void expectMessage(std::size_t index, const Text& text, MessageButtons buttons) {
        ASSERT_LT(index, t.ui.messages.size());
        EXPECT_EQ(t.ui.messages[index].text, text);
        EXPECT_EQ(t.ui.messages[index].buttons, buttons);
        EXPECT_EQ(t.ui.messages[index].title, "Title");
    }

    void expectQuestion() {
        expectMessage(0, gbk(u8"是否删除全部数据，取消点击否"), MessageButtons::yesNo);
    }

    TestProgram t;
};

TEST_F(DeleteAllRules, NoChangesNothing) {
    readRules(t.program);
    t.ui.answerNo();
    deleteAllRules(t.program);
    EXPECT_EQ(t.ui.messages.size(), 1u);
    expectQuestion();
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{"a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC", "b" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC"}));
    EXPECT_TRUE(t.ruleList().visible());
}

TEST_F(DeleteAllRules, YesEmptiesAndHidesTheListButLeavesTheHostsFile) {
    readRules(t.program);
    t.ui.answerYes();
    deleteAllRules(t.program);
    EXPECT_EQ(t.ui.messages.size(), 2u);
    expectQuestion();
    expectMessage(1, gbk(u8"删除全部数据成功"), MessageButtons::ok);
    EXPECT_EQ(t.ruleList().rowCount(), 0);
    EXPECT_FALSE(t.ruleList().visible());
    EXPECT_EQ(t.temp.read("hosts"), "#a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n#b" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n");
    EXPECT_EQ(t.program.state.currentRulesText, "#a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n#b" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n");
}

TEST_F(DeleteAllRules, AnEmptyHiddenListStillAsksAndReports) {
    ASSERT_FALSE(t.ruleList().visible());
    t.ui.answerYes();
    deleteAllRules(t.program);
    EXPECT_EQ(t.ui.messages.size(), 2u);
    expectMessage(1, gbk(u8"删除全部数据成功"), MessageButtons::ok);
    EXPECT_FALSE(t.ruleList().visible());
}

}  // namespace
}  // namespace tesmolen
