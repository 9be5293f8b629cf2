#include "rules/rule_list_menu.hpp"

#include <gtest/gtest.h>

#include "rules/read_rules.hpp"
#include "runtime/codepage.hpp"
#include "support/test_program.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using testing::TestProgram;

class RuleListMenu : public ::testing::Test {
protected:
    RuleListMenu() {
        t.temp.write("hosts", "#a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n#b" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n#c" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n");
        t.program.state.hostsPath = t.temp.path("hosts");
        readRules(t.program);
        t.ui.mouse = {321, 654};
    }

    void expectOnlyQuestion() {
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, gbk(u8"删除该条记录,保存设置后生效!"));
        EXPECT_EQ(t.ui.messages[0].buttons, MessageButtons::yesNo);
        EXPECT_EQ(t.ui.messages[0].title, "Tesmolen");
    }

    TestProgram t;
};

TEST_F(RuleListMenu, PopsUpAtTheMouseOnlyOverASelectedRow) {
    popUpRuleListMenu(t.program);
    EXPECT_TRUE(t.ui.popUps.empty());

    t.ruleList().select(1);
    popUpRuleListMenu(t.program);
    ASSERT_EQ(t.ui.popUps.size(), 1u);
    EXPECT_TRUE(t.ui.popUps[0].menu == unit::listMenu);
    EXPECT_EQ(t.ui.popUps[0].at.x, 321);
    EXPECT_EQ(t.ui.popUps[0].at.y, 654);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(RuleListMenu, NoKeepsTheRow) {
    t.ruleList().select(1);
    t.ui.answerNo();
    deleteSelectedRule(t.program);
    expectOnlyQuestion();
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{"a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC", "b" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC", "c" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC"}));
}

TEST_F(RuleListMenu, YesRemovesTheSelectedRowAndLeavesAGapInTheNumbers) {
    t.ruleList().select(1);
    t.ui.answerYes();
    deleteSelectedRule(t.program);
    expectOnlyQuestion();
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{"a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC", "c" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC"}));
    EXPECT_EQ(t.ruleList().numbers(), (std::vector<Text>{"1", "3"}));
    EXPECT_EQ(t.temp.read("hosts"), "#a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n#b" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n#c" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n");

    // Unsaved, the rule comes back with the next reading.
    readRules(t.program);
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{"a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC", "b" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC", "c" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC"}));
}

TEST_F(RuleListMenu, YesWithoutASelectionRemovesNothing) {
    t.ui.answerYes();
    deleteSelectedRule(t.program);
    EXPECT_EQ(t.ruleList().rowCount(), 3);
}

}  // namespace
}  // namespace tesmolen
