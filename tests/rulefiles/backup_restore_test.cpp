#include "rulefiles/backup_restore.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "rules/hosts_text.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_texts.hpp"
#include "runtime/codepage.hpp"
#include "support/fault_folders.hpp"
#include "support/test_program.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using testing::TestProgram;

// "数据备份失败\r\n如有需要,请向官方反馈", spelled out so that a wrong code page shows.
const Text backupFailedBytes =
    "\xCA\xFD\xBE\xDD\xB1\xB8\xB7\xDD\xCA\xA7\xB0\xDC\r\n"
    "\xC8\xE7\xD3\xD0\xD0\xE8\xD2\xAA,\xC7\xEB\xCF\xF2\xB9\xD9\xB7\xBD\xB7\xB4\xC0\xA1";

class BackupRestore : public ::testing::Test {
protected:
    BackupRestore() {
        t.program.state.hostsPath = t.temp.path("hosts");
        t.program.state.backupPath = t.temp.path("bak.ad");
    }

    // A hosts file as the program saves it, read into the list.
    void readSavedHosts() {
        t.temp.write("hosts", hostsText);
        readRules(t.program);
        ASSERT_EQ(t.ruleList().rowCount(), 2);
        t.ui.messages.clear();
    }

    void expectOnlyMessage(const Text& text, MessageButtons buttons) {
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, text);
        EXPECT_EQ(t.ui.messages[0].buttons, buttons);
        EXPECT_EQ(t.ui.messages[0].title, "Tesmolen");
    }

    // The question, then the report.
    void expectQuestionThenReport(const Text& question, const Text& message) {
        ASSERT_EQ(t.ui.messages.size(), 2u);
        EXPECT_EQ(t.ui.messages[0].text, question);
        EXPECT_EQ(t.ui.messages[0].buttons, MessageButtons::yesNo);
        EXPECT_EQ(t.ui.messages[0].title, "Tesmolen");
        EXPECT_EQ(t.ui.messages[1].text, message);
        EXPECT_EQ(t.ui.messages[1].buttons, MessageButtons::ok);
        EXPECT_EQ(t.ui.messages[1].title, "Tesmolen");
    }

    static Text backupQuestion() { return gbk(u8"是否备份数据，取消点击否"); }
    static Text overwriteQuestion() { return gbk(u8"存在备份文件,是否覆盖原备份文件"); }
    static Text restoreQuestion() { return gbk(u8"是否恢复备份数据，取消点击否"); }
    static Text restoreFailed() {
        return gbk(u8"数据还原失败\r\n如有需要,请向官方反馈\r\n可到官方下载规则直接导入");
    }

    const Text hostsText =
        composeRuleBlock(
            gbk(u8"站点代码开始\r\n0.0.0.0 ads1.example\r\n0.0.0.0 ads2.example\r\n")) +
        composeRuleBlock(gbk(u8"B代码开始\r\n127.0.0.1 h3\r\n"));
    TestProgram t;
};

TEST_F(BackupRestore, MenuOpensAtTheButton) {
    t.ui.fakeWindow().place(100, 50);
    t.ui.fakeUnit(unit::backupRestoreButton).place(177, 290);
    popUpBackupRestoreMenu(t.program);
    ASSERT_EQ(t.ui.popUps.size(), 1u);
    EXPECT_TRUE(t.ui.popUps[0].menu == unit::backupRestoreMenu);
    EXPECT_EQ(t.ui.popUps[0].at.x, 279);
    EXPECT_EQ(t.ui.popUps[0].at.y, 340);
}

TEST_F(BackupRestore, BackupCodesTheHostsFileAndReportsWhere) {
    readSavedHosts();
    t.ui.answerYes();
    backupData(t.program);
    expectQuestionThenReport(
        backupQuestion(),
        "\xCA\xFD\xBE\xDD\xB1\xB8\xB7\xDD\xB3\xC9\xB9\xA6\r\n" + t.program.state.backupPath);
    const Bytes backup = t.temp.read("bak.ad");
    ASSERT_EQ(backup.size(), 2 + 2 * hostsText.size());
    EXPECT_EQ(backup.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), Bytes::npos);
    EXPECT_EQ(backup.find_first_not_of("ABCDEFGHIJKLMNOP", 2), Bytes::npos);
    EXPECT_EQ(decodeText(backup, "Tesmolen"), hostsText);
    EXPECT_EQ(t.program.state.backupText, backup);
}

TEST_F(BackupRestore, ExistingBackupIsReplacedOnlyAfterYes) {
    readSavedHosts();
    t.temp.write("bak.ad", "OLD");
    t.ui.answerNo();
    backupData(t.program);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, overwriteQuestion());
    EXPECT_EQ(t.ui.messages[0].buttons, MessageButtons::yesNo);
    EXPECT_EQ(t.temp.read("bak.ad"), "OLD");
    EXPECT_EQ(t.ruleList().rowCount(), 2);

    t.ui.messages.clear();
    t.ui.answerYes();
    backupData(t.program);
    expectQuestionThenReport(overwriteQuestion(),
                             gbk(u8"数据备份成功\r\n") + t.program.state.backupPath);
    EXPECT_EQ(decodeText(t.temp.read("bak.ad"), "Tesmolen"), hostsText);
}

TEST_F(BackupRestore, NoToTheFirstBackupWritesNothing) {
    readSavedHosts();
    t.ui.answerNo();
    backupData(t.program);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, backupQuestion());
    EXPECT_EQ(t.temp.names(), std::vector<std::string>{"hosts"});
    EXPECT_EQ(t.program.state.backupText, "");
}

TEST_F(BackupRestore, EmptyListFailsAndKeepsTheOldBackup) {
    t.temp.write("hosts", hostsText);
    t.temp.write("bak.ad", "OLD");
    t.ui.answerYes();
    backupData(t.program);
    expectQuestionThenReport(overwriteQuestion(), backupFailedBytes);
    EXPECT_EQ(t.temp.read("bak.ad"), "OLD");
}

TEST_F(BackupRestore, UnreadableHostsFileFailsAndKeepsTheOldBackup) {
    readSavedHosts();
    t.temp.write("bak.ad", "OLD");
    for (bool folder : {false, true}) {
        SCOPED_TRACE(folder ? "hosts is a folder" : "hosts is missing");
        fs::remove(t.temp.folder() / "hosts");
        if (folder) fs::create_directory(t.temp.folder() / "hosts");
        t.ui.messages.clear();
        t.ui.answerYes();
        backupData(t.program);
        expectQuestionThenReport(overwriteQuestion(), backupFailedBytes);
        EXPECT_EQ(t.temp.read("bak.ad"), "OLD");
        EXPECT_EQ(t.program.state.backupText, "");
    }
}

TEST_F(BackupRestore, EmptyHostsFileBacksUpAsTheSaltAlone) {
    readSavedHosts();
    t.temp.write("hosts", "");
    t.ui.answerYes();
    backupData(t.program);
    expectQuestionThenReport(backupQuestion(),
                             gbk(u8"数据备份成功\r\n") + t.program.state.backupPath);
    EXPECT_EQ(t.temp.read("bak.ad").size(), 2u);
}

TEST_F(BackupRestore, BackupCopiesTheFileNotTheList) {
    readSavedHosts();
    t.ruleList().deleteRow(0);  // not saved
    t.ui.answerYes();
    backupData(t.program);
    EXPECT_EQ(decodeText(t.temp.read("bak.ad"), "Tesmolen"), hostsText);
}

TEST_F(BackupRestore, RestoreGivesTheRowsOfARead) {
    readSavedHosts();
    const auto rowsOfRead = t.ruleList().rows();
    t.ui.answerYes();
    backupData(t.program);

    // The list changes meanwhile; the restore replaces what it shows.
    t.ruleList().deleteRow(1);
    t.ruleList().appendRow("9");
    t.ruleList().setVisible(false);
    t.ui.messages.clear();
    t.ui.answerYes();
    restoreData(t.program);

    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, restoreQuestion());
    EXPECT_EQ(t.ui.messages[0].buttons, MessageButtons::yesNo);
    EXPECT_EQ(t.ui.messages[0].title, "Tesmolen");
    ASSERT_EQ(t.ruleList().rows().size(), rowsOfRead.size());
    for (std::size_t i = 0; i < rowsOfRead.size(); ++i) {
        EXPECT_EQ(t.ruleList().rows()[i].column0, rowsOfRead[i].column0);
        EXPECT_EQ(t.ruleList().rows()[i].column1, rowsOfRead[i].column1);
    }
    EXPECT_TRUE(t.ruleList().visible());
    EXPECT_EQ(t.program.state.currentRulesText, hostsText);
    EXPECT_EQ(t.temp.read("hosts"), hostsText);
    EXPECT_EQ(hostsTextOf(t.ruleList()), hostsText);
}

TEST_F(BackupRestore, RestoreWithoutBackupChangesNothing) {
    readSavedHosts();
    restoreData(t.program);
    expectOnlyMessage(gbk(u8"备份文件不存在\r\n可到官方下载规则直接导入"), MessageButtons::ok);
    EXPECT_EQ(t.ruleList().rowCount(), 2);
    EXPECT_EQ(t.program.state.currentRulesText, hostsText);
}

TEST_F(BackupRestore, NoToTheRestoreChangesNothing) {
    readSavedHosts();
    t.temp.write("bak.ad", encodeText("#other#", "Tesmolen"));
    t.ui.answerNo();
    restoreData(t.program);
    expectOnlyMessage(restoreQuestion(), MessageButtons::yesNo);
    EXPECT_EQ(t.ruleList().bodies().size(), 2u);
    EXPECT_EQ(t.program.state.currentRulesText, hostsText);
    EXPECT_EQ(t.temp.read("hosts"), hostsText);
}

TEST_F(BackupRestore, BackupWithoutRulesKeepsTheRows) {
    readSavedHosts();
    const std::vector<Bytes> backups = {
        encodeText("no pair #", "Tesmolen"), Bytes{},
        // Another key, and a plain text file: the pairs decode to noise.
        encodeText(hostsText, "Other"), "#a#\r\n127.0.0.1 localhost\r\n",
        encodeText("#a\x1B#", "Tesmolen"), encodeText("#\xFE#", "Tesmolen")};
    for (const Bytes& backup : backups) {
        SCOPED_TRACE(backup);
        t.temp.write("bak.ad", backup);
        t.ui.messages.clear();
        t.ui.answerYes();
        restoreData(t.program);
        expectQuestionThenReport(restoreQuestion(), restoreFailed());
        EXPECT_EQ(t.ruleList().rowCount(), 2);
        EXPECT_TRUE(t.ruleList().visible());
        EXPECT_EQ(t.program.state.currentRulesText, hostsText);
    }
}

TEST_F(BackupRestore, UnreadableBackupKeepsTheRows) {
    if (auto why = testing::whyPermissionsDoNotBind(); !why.empty()) GTEST_SKIP() << why;
    readSavedHosts();
    t.temp.write("bak.ad", encodeText("#other#", "Tesmolen"));
    fs::permissions(t.temp.folder() / "bak.ad", fs::perms::none);
    t.ui.answerYes();
    restoreData(t.program);
    expectQuestionThenReport(restoreQuestion(), restoreFailed());
    EXPECT_EQ(t.ruleList().rowCount(), 2);
    EXPECT_TRUE(t.ruleList().visible());
    EXPECT_EQ(t.program.state.currentRulesText, hostsText);
}

}  // namespace
}  // namespace tesmolen
