#include "rules/save_rules.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "rules/read_rules.hpp"
#include "rules/rule_list_menu.hpp"
#include "rules/rule_texts.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "support/fault_folders.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using testing::TestProgram;

// "数据保存失败\r\n如有需要,请向官方反馈" and "保存成功" in GBK.
const Text saveFailedBytes =
    "\xCA\xFD\xBE\xDD\xB1\xA3\xB4\xE6\xCA\xA7\xB0\xDC\r\n"
    "\xC8\xE7\xD3\xD0\xD0\xE8\xD2\xAA,\xC7\xEB\xCF\xF2\xB9\xD9\xB7\xBD\xB7\xB4\xC0\xA1";
const Text savedBytes = "\xB1\xA3\xB4\xE6\xB3\xC9\xB9\xA6";

class SaveRules : public ::testing::Test {
protected:
    SaveRules() {
        t.program.state.titleText = "Title";
        t.program.state.hostsPath = t.temp.path("hosts");
        t.windows.processId = 700;
        t.windows.windows = {{0x10, 9, 90, "Other", "X"}, {0x30, 700, 7001, "Tesmolen", "Y"}};
    }

    void readHosts(const Bytes& bytes) {
        t.temp.write("hosts", bytes);
        readRules(t.program);
        ASSERT_TRUE(t.ui.messages.empty());
    }

    void fillList(const std::vector<Text>& bodies) {
        for (const Text& body : bodies) {
            t.ruleList().setCell(t.ruleList().appendRow("n"), 1, body);
        }
    }

    Bytes saved() { return readWholeFile(t.program.state.hostsPath); }

    void expectSaved() {
        EXPECT_TRUE(t.ui.messages.empty());
        ASSERT_EQ(t.windows.boxes.size(), 1u);
        const auto& box = t.windows.boxes[0];
        EXPECT_EQ(box.text, savedBytes);
        EXPECT_EQ(box.title, "Tesmolen");
        EXPECT_EQ(box.style, informationReport);
        EXPECT_EQ(box.owner, 0x30u);
        EXPECT_TRUE(t.program.state.windowList.empty());
        EXPECT_EQ(t.resolverCache.flushes, 1);
    }

    void expectSaveFailed(const std::vector<Text>& bodies) {
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, saveFailedBytes);
        EXPECT_EQ(t.ui.messages[0].buttons, MessageButtons::ok);
        EXPECT_EQ(t.ui.messages[0].title, "Title");
        EXPECT_TRUE(t.windows.boxes.empty());
        EXPECT_EQ(t.ruleList().bodies(), bodies);
        EXPECT_EQ(t.resolverCache.flushes, 0);
    }

    TestProgram t;
};

TEST_F(SaveRules, ItsOwnHostsFileComesBackByteForByte) {
    const Bytes hosts =
        gbk(u8"#SiteA代码开始\r\n0.0.0.0 ads1.example\r\n0.0.0.0 ads2.example\r\n#代码结束\r\n"
            u8"#B代码开始\r\n127.0.0.1 h3\r\n#代码结束\r\n");
    readHosts(hosts);
    saveRules(t.program);
    EXPECT_EQ(saved(), hosts);
    expectSaved();
    EXPECT_EQ(t.ruleList().rowCount(), 2);
}

TEST_F(SaveRules, EditorTextIsWrittenAsHostsText) {
    parseRulesInto(gbk(u8"\r\n#A代码开始\r\n0.0.0.0 h1\r\n0.0.0.0 h2\r\n#A代码结束"
                       u8"\r\n#B代码开始\r\n127.0.0.1 h3\r\n#B代码结束"),
                   t.ruleList());
    saveRules(t.program);
    EXPECT_EQ(saved(), gbk(u8"#A代码开始\r\n0.0.0.0 h1\r\n0.0.0.0 h2\r\n#代码结束\r\n"
                           u8"#B代码开始\r\n127.0.0.1 h3\r\n#代码结束\r\n"));
    expectSaved();
}

TEST_F(SaveRules, AnEmptyListEmptiesAFileOfRules) {
    t.temp.write("hosts", composeRuleBlock(gbk(u8"a代码开始")));
    saveRules(t.program);
    EXPECT_TRUE(fs::exists(t.temp.folder() / "hosts"));
    EXPECT_EQ(fs::file_size(t.temp.folder() / "hosts"), 0u);
    expectSaved();
}

TEST_F(SaveRules, SavingTwiceWritesTheSameBytes) {
    readHosts(gbk(u8"#一代码开始#x#二\r\n#"));
    saveRules(t.program);
    const Bytes first = saved();
    saveRules(t.program);
    EXPECT_EQ(saved(), first);
    EXPECT_EQ(t.windows.boxes.size(), 2u);
}

TEST_F(SaveRules, ReadingASavedFileGivesTheSameBodiesInOrder) {
    // Bytes that are not GBK survive as they are.
    const std::vector<Text> bodies = {gbk(u8"甲代码开始\r\n0.0.0.0 a\r\n"), gbk(u8"乙代码开始"),
                                      gbk(u8" 丙代码开始\r\n") + "\x80\xFF z\r\n"};
    fillList(bodies);
    saveRules(t.program);
    readRules(t.program);
    EXPECT_EQ(t.ruleList().bodies(), bodies);
    EXPECT_EQ(t.ruleList().numbers(), (std::vector<Text>{"1", "2", "3"}));
}

TEST_F(SaveRules, ADeletedRowIsGoneFromTheFileAfterTheSave) {
    const Text a = composeRuleBlock(gbk(u8"a代码开始\r\n"));
    const Text b = composeRuleBlock(gbk(u8"b代码开始\r\n"));
    const Text c = composeRuleBlock(gbk(u8"c代码开始\r\n"));
    readHosts(a + b + c);
    t.ruleList().select(0);
    t.ui.answerYes();
    deleteSelectedRule(t.program);
    t.ui.messages.clear();
    saveRules(t.program);
    EXPECT_EQ(saved(), b + c);
}

TEST_F(SaveRules, AFolderInPlaceOfTheFileIsReported) {
    fs::create_directory(t.temp.folder() / "hosts");
    t.temp.write("hosts/inside", "kept");
    fillList({"a"});
    saveRules(t.program);
    expectSaveFailed({"a"});
    EXPECT_EQ(t.temp.read("hosts/inside"), "kept");
    EXPECT_EQ(t.temp.names(), std::vector<std::string>{"hosts"});
}

class SaveRulesOverAnUnwritableFile : public SaveRules {
protected:
    const Bytes old = gbk(u8"#旧代码开始\r\n0.0.0.0 old\r\n#代码结束\r\n");

    void expectOldFileWhole(const fs::path& folder) {
        EXPECT_EQ(readWholeFile(t.program.state.hostsPath), old);
        // No temporary file is left behind.
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    }
};

TEST_F(SaveRulesOverAnUnwritableFile, AFullDiskLeavesTheOldFileWhole) {
    testing::SmallDisk disk(64 * 1024);
    if (!disk.ready()) GTEST_SKIP() << "cannot mount a small tmpfs here";
    t.program.state.hostsPath = pathText(disk.folder() / "hosts");
    ASSERT_TRUE(writeWholeFile(t.program.state.hostsPath, old));
    const Text large(100 * 1024, 'x');
    fillList({large});
    saveRules(t.program);
    expectSaveFailed({large});
    expectOldFileWhole(disk.folder());
}

}  // namespace
}  // namespace tesmolen
