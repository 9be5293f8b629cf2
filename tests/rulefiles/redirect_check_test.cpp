// Rule files and backups that point names at other addresses are asked about before their rows
// are added; files that only block are not.

#include <gtest/gtest.h>

#include "rulefiles/backup_restore.hpp"
#include "rulefiles/import_export.hpp"
#include "rulefiles/redirect_check.hpp"
#include "runtime/codepage.hpp"
#include "support/test_program.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using testing::TestProgram;

Text rule(const Text& entries) { return gbk(u8"#站点代码开始\r\n") + entries + gbk(u8"#代码结束\r\n"); }

TEST(RedirectingEntries, OnlyAddressesThatBlockAreHarmless) {
    const Text blocking = "0.0.0.0 a\r\n127.0.0.1 b\r\n127.255.0.9\tc\r\n:: d\r\n::1 e\r\n \t\r\n\r\n";
    EXPECT_TRUE(redirectingEntries(rule(blocking)).empty());
    const std::vector<Text> redirecting = {"93.184.216.34 www.mybank.example", "127.0.0.256 x",
                                           "127.1.1 x", "0.0.0.00 x", " 10.0.0.1 x", "::2 x",
                                           "127.0.0.1.5 x", "localhost x"};
    Text entries;
    for (const Text& line : redirecting) entries += line + "\r\n";
    EXPECT_EQ(redirectingEntries(rule(entries)), redirecting);
    // The head line is no entry, and only rules are looked at.
    EXPECT_TRUE(redirectingEntries("10.0.0.1 outside\r\n" + rule("")).empty());
}

class RedirectQuestion : public ::testing::Test {
protected:
    RedirectQuestion() {
        t.program.state.titleText = "Title";
        t.program.state.backupPath = t.temp.path("bak.ad");
        t.ruleList().setCell(t.ruleList().appendRow("1"), 1, "kept");
    }

    void import(const Text& rulesText) {
        t.temp.write("rules.ad", encodeText(rulesText, "Title"));
        t.ui.fakeFileDialog(unit::fileDialog).chooseNext(t.temp.path("rules.ad"));
        importRuleFile(t.program);
    }

    void restore(const Text& rulesText) {
        t.temp.write("bak.ad", encodeText(rulesText, "Title"));
        restoreData(t.program);
    }

    TestProgram t;
};

TEST_F(RedirectQuestion, NoAddsNothingAndYesAddsTheRows) {
    Text entries;
    for (int i = 0; i < 11; ++i) entries += "10.0.0." + std::to_string(i) + " host" + std::to_string(i) + "\r\n";
    // 64 bytes at most, cut before a character rather than through it.
    const Text longLine = "1.2.3.4 " + Text(55, 'x') + gbk(u8"广告");
    const Text text = rule(longLine + "\r\n" + entries);
    Text shown;
    shown += "\r\n" + longLine.substr(0, 63);
    for (int i = 0; i < 9; ++i) shown += "\r\n10.0.0." + std::to_string(i) + " host" + std::to_string(i);
    shown += gbk(u8"\r\n……");

    const struct {
        const char* command;
        Text question;
    } cases[] = {{"import", gbk(u8"此规则文件会把以下网址指向其他地址：") + shown +
                                gbk(u8"\r\n\r\n确定要导入吗？")},
                 {"restore", gbk(u8"此备份文件会把以下网址指向其他地址：") + shown +
                                 gbk(u8"\r\n\r\n确定要还原吗？")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const bool isImport = std::string(c.command) == "import";
        for (const bool yes : {false, true}) {
            t.ui.messages.clear();
            if (!isImport) t.ui.answerYes();  // to the restore's own question
            yes ? t.ui.answerYes() : t.ui.answerNo();
            isImport ? import(text) : restore(text);
            const std::size_t question = isImport ? 0 : 1;
            ASSERT_EQ(t.ui.messages.size(), question + 1);
            EXPECT_EQ(t.ui.messages[question].text, c.question);
            EXPECT_EQ(t.ui.messages[question].buttons, MessageButtons::yesNo);
            EXPECT_EQ(t.ui.messages[question].title, "Title");
            EXPECT_EQ(t.ruleList().rowCount(), yes ? (isImport ? 2 : 1) : 1);
            EXPECT_EQ(t.ruleList().cell(0, 1) == "kept", !yes || isImport);
            t.ruleList().deleteAllRows();
            t.ruleList().setCell(t.ruleList().appendRow("1"), 1, "kept");
        }
    }
}

TEST_F(RedirectQuestion, BlockingOnlyFilesAskNothing) {
    import(rule("0.0.0.0 ads.example\r\n"));
    EXPECT_TRUE(t.ui.messages.empty());
    t.ui.answerYes();
    restore(rule("127.0.0.1 ads.example\r\n"));
    EXPECT_EQ(t.ui.messages.size(), 1u);  // the restore's own question
    EXPECT_EQ(t.ruleList().rowCount(), 1);
}

}  // namespace
}  // namespace tesmolen
