// Real hosts files: rules are found by their head lines, everything else is the system's own
// text, which a save writes back as it was.

#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "rulefiles/delete_all_rules.hpp"
#include "rules/hosts_text.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_texts.hpp"
#include "rules/save_rules.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "support/source_tree.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

using testing::TestProgram;

Text stockHosts(const std::string& name) { return testing::sourceFile("tests/rules/hosts/" + name); }

const Text bodyA = gbk(u8"广告A代码开始\r\n0.0.0.0 ads1.example\r\n0.0.0.0 ads2.example\r\n");
const Text bodyB = gbk(u8"B代码开始\r\n127.0.0.1 tracker.example\r\n");
const Text twoBlocks = composeRuleBlock(bodyA) + composeRuleBlock(bodyB);

class HostsFile : public ::testing::Test {
protected:
    HostsFile() {
        t.program.state.hostsPath = t.temp.path("hosts");
        t.windows.processId = 1;
    }

    std::vector<Text> read(const Bytes& hosts) {
        t.temp.write("hosts", hosts);
        readRules(t.program);
        return t.ruleList().bodies();
    }

    TestProgram t;
};

class StockHostsFile : public HostsFile, public ::testing::WithParamInterface<std::string> {};

TEST_P(StockHostsFile, ListsItsRulesOnlyAndSavesItsOwnTextAsItWas) {
    const Text own = stockHosts(GetParam());
    ASSERT_FALSE(own.empty());
    EXPECT_EQ(read(own + twoBlocks), (std::vector<Text>{bodyA, bodyB}));
    EXPECT_TRUE(t.ui.messages.empty());

    saveRules(t.program);
    EXPECT_EQ(t.temp.read("hosts"), own + twoBlocks);

    t.ui.answerYes();
    deleteAllRules(t.program);
    saveRules(t.program);
    EXPECT_EQ(t.temp.read("hosts"), own);

    // With no rule in it, the file reads as one that holds nothing to list.
    t.ui.messages.clear();
    EXPECT_TRUE(read(own).empty());
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, readFailedMessage());
}

INSTANTIATE_TEST_SUITE_P(StockFiles, StockHostsFile,
                         ::testing::Values("windows", "debian", "fedora", "user-entries"));

TEST_F(HostsFile, CommentsInsideAndAfterEntriesLoseNoByteOutsideTheRules) {
    // A comment line ends its rule; the rest stays the system's own. An inline "#" closes the
    // rule with the rest of its line.
    const Text hosts = gbk(u8"127.0.0.1 localhost\r\n"
                           u8"#A代码开始\r\n0.0.0.0 a1\r\n# my note\r\n0.0.0.0 a2\r\n#代码结束\r\n"
                           u8"#B代码开始\r\n0.0.0.0 b1 # old\r\n0.0.0.0 b2\r\n#代码结束\r\n");
    const Text a = gbk(u8"A代码开始\r\n0.0.0.0 a1\r\n");
    const Text b = gbk(u8"B代码开始\r\n0.0.0.0 b1 ");
    EXPECT_EQ(read(hosts), (std::vector<Text>{a, b}));
    saveRules(t.program);
    const Text saved = gbk(u8"127.0.0.1 localhost\r\n# my note\r\n0.0.0.0 a2\r\n#代码结束\r\n"
                           u8"0.0.0.0 b2\r\n#代码结束\r\n") +
                       composeRuleBlock(a) + composeRuleBlock(b);
    EXPECT_EQ(t.temp.read("hosts"), saved);
    EXPECT_EQ(read(saved), (std::vector<Text>{a, b}));
    saveRules(t.program);
    EXPECT_EQ(t.temp.read("hosts"), saved);
}

TEST_F(HostsFile, CommentsThatAnOlderSaveClosedStayAsTheyAre) {
    const Text hosts = gbk(u8"# Copyright (c) 1993-2009\r\n#代码结束\r\n#\r\n#代码结束\r\n") + twoBlocks;
    EXPECT_EQ(read(hosts), (std::vector<Text>{bodyA, bodyB}));
    saveRules(t.program);
    EXPECT_EQ(t.temp.read("hosts"), hosts);
}

TEST_F(HostsFile, OwnTextThatEndsNoLineGetsALineEndBeforeTheRules) {
    EXPECT_EQ(read(twoBlocks + "10.0.0.1 last"), (std::vector<Text>{bodyA, bodyB}));
    saveRules(t.program);
    EXPECT_EQ(t.temp.read("hosts"), "10.0.0.1 last\r\n" + twoBlocks);
}

TEST_F(HostsFile, AFileItCannotKeepWholeIsNotSavedOver) {
    // What follows a zero byte is never read, so a save could not keep it.
    const Bytes withZero = twoBlocks + std::string(1, '\0') + "127.0.0.1 kept\r\n";
    EXPECT_EQ(read(withZero), (std::vector<Text>{bodyA, bodyB}));
    saveRules(t.program);
    EXPECT_EQ(t.temp.read("hosts"), withZero);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, saveFailedMessage());
    EXPECT_TRUE(t.windows.boxes.empty());
}

// The rows of the original grammar: the 1st and 2nd "#" enclose a body, the 3rd and 4th the
// next, and so on.
std::vector<Text> pairedBodies(std::string_view text) {
    std::vector<Text> bodies;
    for (std::size_t at = 0;;) {
        const std::size_t open = text.find('#', at);
        const std::size_t close = open == text.npos ? open : text.find('#', open + 1);
        if (close == text.npos) return bodies;
        bodies.emplace_back(text.substr(open + 1, close - open - 1));
        at = close + 1;
    }
}

std::vector<Text> parsed(const Text& text) {
    testing::FakeReportList list;
    parseRulesInto(text, list);
    return list.bodies();
}

class RandomTexts : public ::testing::Test {
protected:
    Text pick(const std::vector<Text>& pieces, int most) {
        Text text;
        for (int n = std::uniform_int_distribution(0, most)(random); n > 0; --n) {
            text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        }
        return text;
    }

    std::mt19937 random{20261209};
};

TEST_F(RandomTexts, WhatTheProgramWritesReadsAsTheOriginalPairingReadsIt) {
    // Names and hosts of any GBK text without "#", CR or LF.
    const std::vector<Text> pieces = {"a", "Z", " ", "\t", ".", "0", gbk(u8"广告"), gbk(u8"代码开始"),
                                      gbk(u8"代码结束"), "\x81\x40", "\xFE\xFE"};
    const std::vector<Text> headers = {"", stockHosts("windows"), stockHosts("debian")};
    for (int round = 0; round < 400; ++round) {
        Text hosts;
        Text editor;
        for (int rules = std::uniform_int_distribution(0, 4)(random); rules > 0; --rules) {
            const Text site = pick(pieces, 4);
            Text body = site + codeBeginsText() + "\r\n";
            editor += editorHead(site);
            for (int entries = std::uniform_int_distribution(0, 3)(random); entries > 0; --entries) {
                const Text ip = pick(pieces, 2);
                const Text host = pick(pieces, 3);
                body += ip + " " + host + "\r\n";
                editor += editorEntry(ip, host);
            }
            editor += editorEnd(site);
            hosts += composeRuleBlock(body);
        }
        for (const Text& header : headers) {
            SCOPED_TRACE(::testing::PrintToString(header.substr(0, 10) + hosts));
            ASSERT_EQ(parsed(header + hosts), pairedBodies(hosts));
            ASSERT_EQ(parsed(header + editor), pairedBodies(editor));
        }
    }
}

TEST_F(RandomTexts, ReadSaveReadKeepsTheRowsAndASaveOfASaveTheBytes) {
    const std::vector<Text> pieces = {"#", "#", "\r", "\n", "\r\n", "0.0.0.0 ads.example", "# note",
                                      codeBeginsText(), codeEndsText(), "x", " "};
    for (int round = 0; round < 3000; ++round) {
        const Text text = pick(pieces, 30);
        SCOPED_TRACE(::testing::PrintToString(text));
        testing::FakeReportList rows;
        parseRulesInto(text, rows);
        const std::optional<Text> saved = savedHostsText(text, rows);
        ASSERT_TRUE(saved);
        testing::FakeReportList again;
        parseRulesInto(*saved, again);
        ASSERT_EQ(again.bodies(), rows.bodies());
        ASSERT_EQ(savedHostsText(*saved, again), saved);
        // No byte of the system's own text is lost.
        ASSERT_EQ(saved->substr(0, systemTextOf(text)->size()), *systemTextOf(text));
    }
}

}  // namespace
}  // namespace tesmolen
