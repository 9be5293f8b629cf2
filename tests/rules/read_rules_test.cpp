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

TEST_F(ReadRules, EveryPairOfHashesBecomesARow) {
    readHosts("#a#b#c#");
    EXPECT_TRUE(t.ruleList().visible());
    EXPECT_EQ(t.ruleList().numbers(), (std::vector<Text>{"1", "2"}));
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{"a", "c"}));
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_EQ(t.program.state.currentRulesText, "#a#b#c#");
}

TEST_F(ReadRules, NothingToReadHidesTheListAndReports) {
    for (const Bytes& hosts : {Bytes{}, Bytes{"#"}, Bytes{"127.0.0.1 localhost\r\n"}}) {
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
    readHosts("#a#\0#b#"s);
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{"a"}));
    EXPECT_EQ(t.program.state.currentRulesText, "#a#");
}

TEST_F(ReadRules, AdjacentHashesGiveOneEmptyRow) {
    readHosts("##");
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{""}));
    EXPECT_TRUE(t.ruleList().visible());
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(ReadRules, ElevenPairsNumberUpToEleven) {
    Bytes hosts;
    for (int i = 0; i < 11; ++i) hosts += "#r" + std::to_string(i) + "#";
    readHosts(hosts);
    ASSERT_EQ(t.ruleList().rowCount(), 11);
    EXPECT_EQ(t.ruleList().cell(10, 0), "11");
    EXPECT_EQ(t.ruleList().cell(10, 1), "r10");
}

TEST_F(ReadRules, ReadingAgainReplacesTheRows) {
    readHosts("#a##b#");
    readHosts("#a##b#");
    EXPECT_EQ(t.ruleList().numbers(), (std::vector<Text>{"1", "2"}));
}

TEST_F(ReadRules, ParseAppendsAndNumbersFromOne) {
    t.program.state.currentRulesText = "#a#";
    parseRules(t.program);
    t.program.state.currentRulesText = "#b##c#";
    parseRules(t.program);
    EXPECT_EQ(t.ruleList().numbers(), (std::vector<Text>{"1", "1", "2"}));
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{"a", "b", "c"}));
}

TEST_F(ReadRules, ParsingInPlaceGivesTheTextBack) {
    Text text = "#a##b#tail";
    parseRulesInPlace(text, t.ruleList());
    EXPECT_EQ(text, "#a##b#tail");
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{"a", "b"}));
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
        text += composeRuleBlock("site" + std::to_string(i) + "\r\n0.0.0.0 ads" +
                                 std::to_string(i) + ".example.com\r\n");
    }
    // One last rule whose body spans megabytes.
    text += "#";
    const std::size_t lastBody = (20u << 20) - text.size();
    text.append(lastBody, 'x');
    text += "#";
    t.program.state.currentRulesText = text;
    parseRules(t.program);
    // Each block holds two pairs: the body, then "代码结束\r\n" is outside, so one row per block.
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
