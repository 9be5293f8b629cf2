#include <gtest/gtest.h>

#include "runtime/codepage.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_texts.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

using namespace std::string_literals;
using testing::TestProgram;

class ReadRules : public ::testing::Test {
protected:
    void readHosts(const Bytes& bytes) {
        t.temp.write("hosts", bytes);
        t.program.state.hostsPath = t.temp.path("hosts");
        readRules(t.program);
    }

    void expectReadFailed() {
        EXPECT_FALSE(t.ruleList().visible());
        EXPECT_EQ(t.ruleList().rowCount(), 0);
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text,
                  "\xCA\xFD\xBE\xDD\xB6\xC1\xC8\xA1\xCA\xA7\xB0\xDC\r\n"
                  "\xC8\xE7\xD3\xD0\xD0\xE8\xD2\xAA,\xC7\xEB\xCF\xF2\xB9\xD9\xB7\xBD"
                  "\xB7\xB4\xC0\xA1");
        EXPECT_EQ(t.ui.messages[0].buttons, MessageButtons::ok);
        EXPECT_EQ(t.ui.messages[0].title, "Tesmolen");
    }

    TestProgram t;
};

// The body of a rule without entries, as the program writes it.
Text head(const std::string& site) { return site + gbk(u8"代码开始"); }

TEST_F(ReadRules, EveryHeadLineStartsARow) {
    const Text text = "#" + head("a") + "#b\n# comment\r\n#" + head("c") +
                      "\r\n0.0.0.0 x\r\n#\xB4\xFA\xC2\xEB\xBD\xE1\xCA\xF8\r\n";
    readHosts(text);
    EXPECT_TRUE(t.ruleList().visible());
    EXPECT_EQ(t.ruleList().numbers(), (std::vector<Text>{"1", "2"}));
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{head("a"), head("c") + "\r\n0.0.0.0 x\r\n"}));
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_EQ(t.program.state.currentRulesText, text);
}

TEST_F(ReadRules, NothingToReadHidesTheListAndReports) {
    // Comments are no rules, nor is a head that does not start its line.
    for (const Bytes& hosts : {Bytes{}, Bytes{"#"}, Bytes{"##"}, Bytes{"127.0.0.1 localhost\r\n"},
                               Bytes{"# one\r\n# two\r\n"}, "x#" + head("a") + "\r\n",
                               "#" + head("a") + "\r\r\n"}) {
        SCOPED_TRACE(hosts);
        t.ui.messages.clear();
        t.ruleList().setVisible(true);
        readHosts(hosts);
        expectReadFailed();
    }
}

TEST_F(ReadRules, MissingHostsFileReports) {
    t.program.state.hostsPath = t.temp.path("no-such-hosts");
    readRules(t.program);
    expectReadFailed();
    EXPECT_EQ(t.program.state.currentRulesText, "");
}

TEST_F(ReadRules, AZeroByteHidesTheRestOfTheFile) {
    readHosts("#" + head("a") + "\n" + "\0#"s + head("b") + "\n");
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{head("a") + "\n"}));
    EXPECT_EQ(t.program.state.currentRulesText, "#" + head("a") + "\n");
}

TEST_F(ReadRules, ElevenRulesNumberUpToEleven) {
    Bytes hosts;
    for (int i = 0; i < 11; ++i) hosts += composeRuleBlock(head("r" + std::to_string(i)));
    readHosts(hosts);
    ASSERT_EQ(t.ruleList().rowCount(), 11);
    EXPECT_EQ(t.ruleList().cell(10, 0), "11");
    EXPECT_EQ(t.ruleList().cell(10, 1), head("r10"));
}

TEST_F(ReadRules, ReadingAgainReplacesTheRows) {
    const Text hosts = composeRuleBlock(head("a")) + composeRuleBlock(head("b"));
    readHosts(hosts);
    readHosts(hosts);
    EXPECT_EQ(t.ruleList().numbers(), (std::vector<Text>{"1", "2"}));
}

TEST_F(ReadRules, ParseAppendsAndNumbersFromOne) {
    t.program.state.currentRulesText = composeRuleBlock(head("a"));
    parseRules(t.program);
    t.program.state.currentRulesText = composeRuleBlock(head("b")) + composeRuleBlock(head("c"));
    parseRules(t.program);
    EXPECT_EQ(t.ruleList().numbers(), (std::vector<Text>{"1", "1", "2"}));
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{head("a"), head("b"), head("c")}));
}

TEST_F(ReadRules, ParsingInPlaceGivesTheTextBack) {
    const Text original = composeRuleBlock(head("a")) + "tail";
    Text text = original;
    parseRulesInPlace(text, t.ruleList());
    EXPECT_EQ(text, original);
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{head("a")}));
}

TEST_F(ReadRules, AnEditorTextGivesTheBodiesOfItsRules) {
    Text editor = editorHead("A") + editorEntry("0.0.0.0", "h1") + editorEntry("0.0.0.0", "h2") +
                  editorEnd("A") + editorHead("B") + editorEntry("127.0.0.1", "h3") +
                  editorEnd("B");
    readHosts(editor);
    const Text begins = gbk(u8"代码开始");
    EXPECT_EQ(t.ruleList().bodies(),
              (std::vector<Text>{"A" + begins + "\r\n0.0.0.0 h1\r\n0.0.0.0 h2\r\n",
                                 "B" + begins + "\r\n127.0.0.1 h3\r\n"}));
}

TEST_F(ReadRules, GbkBodiesSurviveExactly) {
    // Bytes that are not valid GBK pass through untouched.
    const Bytes body = gbk(u8"站点代码开始\r\n0.0.0.0 广告.example\r\n") + "\x80\xFF\xA1";
    readHosts(composeRuleBlock(body));
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{body}));
}

TEST(ParseRules, TwentyMegabytesParseCompletely) {
    TestProgram t;
    Text text;
    text.reserve(21u << 20);
    const int rules = 200000;
    for (int i = 0; i < rules; ++i) {
        text += composeRuleBlock(head("site" + std::to_string(i)) + "\r\n0.0.0.0 ads" +
                                 std::to_string(i) + ".example.com\r\n");
    }
    // One last rule whose body spans megabytes.
    const std::size_t lastStart = text.size();
    text += "#" + head("big") + "\r\n";
    text.append((20u << 20) - text.size(), 'x');
    const std::size_t lastBody = text.size() - lastStart - 1;
    text += "#";
    t.program.state.currentRulesText = text;
    parseRules(t.program);
    ASSERT_EQ(t.ruleList().rowCount(), rules + 1);
    EXPECT_EQ(t.ruleList().cell(rules, 0), std::to_string(rules + 1));
    EXPECT_EQ(t.ruleList().cell(rules, 1).size(), lastBody);
}

TEST(RuleTexts, BlocksAndEditorPieces) {
    EXPECT_EQ(composeRuleBlock("b"), "#b#\xB4\xFA\xC2\xEB\xBD\xE1\xCA\xF8\r\n");
    EXPECT_EQ(composeRuleBlock(""), "##\xB4\xFA\xC2\xEB\xBD\xE1\xCA\xF8\r\n");
    EXPECT_EQ(editorHead(" s "), "\r\n# s \xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC");
    EXPECT_EQ(editorEntry("0.0.0.0", "h"), "\r\n0.0.0.0 h");
    EXPECT_EQ(editorEnd("s"), "\r\n#s\xB4\xFA\xC2\xEB\xBD\xE1\xCA\xF8");
}

}  // namespace
}  // namespace tesmolen
