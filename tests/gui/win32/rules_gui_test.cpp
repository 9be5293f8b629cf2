// Reading the hosts file into the list view, deleting a row through its menu, saving.

#include "gui_window.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_texts.hpp"
#include "rules/save_rules.hpp"
#include "runtime/codepage.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

// Rules without entries, as the program writes them.
Text ruleA() { return gbk(u8"A代码开始"); }
Text ruleB() { return gbk(u8"B代码开始"); }
Text ruleC() { return gbk(u8"C代码开始"); }

class RulesInTheWindow : public testing::GuiWindow {
protected:
    void SetUp() override {
        ui.selectPage(1);
        program.state.hostsPath = temp.path("hosts");
    }

    void clickReadOver(const Bytes& hosts) {
        temp.write("hosts", hosts);
        click(unit::readButton);
    }

    bool listShown() { return IsWindowVisible(control(unit::ruleList)) != FALSE; }
};

TEST_F(RulesInTheWindow, ReadShowsTheRulesInTheListView) {
    clickReadOver(gbk(u8"127.0.0.1 localhost\r\n# comment\r\n#站点A代码开始\r\n0.0.0.0 ads.example#x\n#SiteB代码开始#"));
    EXPECT_TRUE(listShown());
    ASSERT_EQ(shownRows(), 2);
    EXPECT_EQ(shownCell(0, 0), L"1");
    EXPECT_EQ(shownCell(0, 1), L"站点A代码开始\u21930.0.0.0 ads.example");
    EXPECT_EQ(shownCell(1, 0), L"2");
    EXPECT_EQ(shownCell(1, 1), L"SiteB代码开始");
    EXPECT_EQ(ui.list(unit::ruleList).cell(0, 1), gbk(u8"站点A代码开始\r\n0.0.0.0 ads.example"));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(RulesInTheWindow, ReadingAFileWithoutRulesReportsAndUncoversTheHint) {
    clickReadOver(gbk(u8"#a代码开始#"));
    ASSERT_TRUE(listShown());
    clickReadOver("127.0.0.1 localhost\r\n");
    EXPECT_FALSE(listShown());
    EXPECT_TRUE(IsWindowVisible(control(unit::hintLabel)));
    EXPECT_EQ(shownRows(), 0);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, readFailedMessage());
    EXPECT_EQ(boxes()[0].title, "Tesmolen");
    EXPECT_EQ(boxes()[0].style, BoxStyle{});
}

TEST_F(RulesInTheWindow, RightClickDeleteThroughTheMenuThenSave) {
    clickReadOver(composeRuleBlock(ruleA()) + composeRuleBlock(ruleB()) + composeRuleBlock(ruleC()));
    ASSERT_EQ(shownRows(), 3);

    rightClickRow(1);
    EXPECT_EQ(ui.list(unit::ruleList).selectedRow(), 1) << "the row under the pointer";
    ASSERT_EQ(ui.poppedUpMenus().size(), 1u);
    EXPECT_TRUE(ui.poppedUpMenus()[0] == unit::listMenu);

    ui.dialogScript().answers.push_back(Answer::yes);
    choose(unit::deleteEntryItem);
    EXPECT_EQ(bodies(), (std::vector<Text>{ruleA(), ruleC()}));
    ASSERT_EQ(shownRows(), 2);
    EXPECT_EQ(shownCell(1, 0), L"3") << "the numbers keep their gap";
    EXPECT_EQ(shownCell(1, 1), L"C代码开始");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].style, BoxStyle{.buttons = MessageButtons::yesNo});

    click(unit::saveButton);
    EXPECT_EQ(temp.read("hosts"), composeRuleBlock(ruleA()) + composeRuleBlock(ruleC()));
    // The confirmation: the owned box, information icon and OK, titled with the product name,
    // owned by this process's window.
    ASSERT_EQ(ownedBoxes.shownBoxes.size(), 1u);
    EXPECT_EQ(ownedBoxes.shownBoxes[0].text, savedMessage());
    EXPECT_EQ(ownedBoxes.shownBoxes[0].title, "Tesmolen");
    EXPECT_EQ(ownedBoxes.shownBoxes[0].style, informationReport);
    EXPECT_EQ(ownersOfOwnedBoxes, (std::vector<HWND>{ui.mainWindow()}))
        << "the first top-level window of the process is the main window";
    EXPECT_TRUE(program.state.windowList.empty());

    click(unit::readButton);
    EXPECT_EQ(bodies(), (std::vector<Text>{ruleA(), ruleC()}));
    EXPECT_EQ(shownCell(1, 0), L"2");
}

TEST_F(RulesInTheWindow, NoToTheDeleteQuestionKeepsTheRow) {
    clickReadOver(composeRuleBlock(ruleA()) + composeRuleBlock(ruleB()));
    rightClickRow(0);
    ui.dialogScript().answers.push_back(Answer::no);
    choose(unit::deleteEntryItem);
    EXPECT_EQ(bodies(), (std::vector<Text>{ruleA(), ruleB()}));
    EXPECT_EQ(shownRows(), 2);
}

TEST_F(RulesInTheWindow, RightClickOnARowWithoutNumberOpensNoMenu) {
    clickReadOver(composeRuleBlock(ruleA()));
    rightClickRow(0);
    ASSERT_EQ(ui.poppedUpMenus().size(), 1u);
    // Emptying the selected row's number leaves nothing to delete.
    ui.list(unit::ruleList).setCell(0, 0, "");
    rightClickRow(0);
    EXPECT_EQ(ui.poppedUpMenus().size(), 1u);
}

}  // namespace
}  // namespace tesmolen
