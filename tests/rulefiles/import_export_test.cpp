#include "rulefiles/import_export.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "rules/hosts_text.hpp"
#include "rules/read_rules.hpp"
#include "rules/rule_texts.hpp"
#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "support/test_program.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

namespace fs = std::filesystem;
using testing::FakeFileDialog;
using testing::TestProgram;

class ImportExport : public ::testing::Test {
protected:
    ImportExport() { t.ruleList().setVisible(false); }

    FakeFileDialog& dialog() { return t.ui.fakeFileDialog(unit::fileDialog); }

    void exportTo(const std::string& name) {
        dialog().chooseNext(t.temp.path(name));
        exportRuleFile(t.program);
    }

    void importFrom(const std::string& name) {
        dialog().chooseNext(t.temp.path(name));
        importRuleFile(t.program);
    }

    void expectOnlyReport(const Text& text) {
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, text);
        EXPECT_EQ(t.ui.messages[0].buttons, MessageButtons::ok);
        EXPECT_EQ(t.ui.messages[0].title, "Tesmolen");
    }

    static Text bodyA() { return gbk(u8"站点代码开始\r\n0.0.0.0 h1\r\n0.0.0.0 h2\r\n"); }
    static Text bodyB() { return gbk(u8"B代码开始\r\n127.0.0.1 h3\r\n"); }
    // The open rule reaches to the end of the text.
    static Text bodyC() { return gbk(u8"C代码开始\r\n0.0.0.0 h4"); }

    // Two finished rules and one still open, as the editor leaves them in the preview box.
    const Text editorText = editorHead(gbk(u8"站点")) + editorEntry("0.0.0.0", "h1") +
                            editorEntry("0.0.0.0", "h2") + editorEnd(gbk(u8"站点")) +
                            editorHead("B") + editorEntry("127.0.0.1", "h3") + editorEnd("B") +
                            editorHead("C") + editorEntry("0.0.0.0", "h4");
    TestProgram t;
};

TEST_F(ImportExport, ExportThenImportGivesOneRowPerRule) {
    t.ui.fakeUnit(unit::previewBox).setText(editorText);
    exportTo("rules.ad");
    EXPECT_TRUE(t.ui.messages.empty());
    const Bytes file = t.temp.read("rules.ad");
    ASSERT_EQ(file.size(), 2 + 2 * editorText.size());
    EXPECT_EQ(decodeText(file, "Tesmolen"), editorText);
    EXPECT_EQ(t.ui.fakeUnit(unit::previewBox).text(), editorText);

    importFrom("rules.ad");
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_TRUE(t.ruleList().visible());
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{bodyA(), bodyB(), bodyC()}));
    EXPECT_EQ(t.program.state.currentRulesText, editorText);
    EXPECT_EQ(hostsTextOf(t.ruleList()),
              composeRuleBlock(bodyA()) + composeRuleBlock(bodyB()) + composeRuleBlock(bodyC()));
}

TEST_F(ImportExport, ImportingTwiceDoublesTheRows) {
    t.temp.write("rules.ad", encodeText(editorText, "Tesmolen"));
    importFrom("rules.ad");
    importFrom("rules.ad");
    EXPECT_EQ(t.ruleList().numbers(), (std::vector<Text>{"1", "2", "3", "1", "2", "3"}));
    EXPECT_EQ(t.ruleList().bodies(),
              (std::vector<Text>{bodyA(), bodyB(), bodyC(), bodyA(), bodyB(), bodyC()}));
}

TEST_F(ImportExport, ImportAddsToTheRowsOfARead) {
    t.temp.write("hosts", composeRuleBlock(bodyB()));
    t.program.state.hostsPath = t.temp.path("hosts");
    readRules(t.program);
    t.temp.write("rules.ad", encodeText(editorText, "Tesmolen"));
    importFrom("rules.ad");
    EXPECT_EQ(t.ruleList().numbers(), (std::vector<Text>{"1", "1", "2", "3"}));
    EXPECT_EQ(t.temp.read("hosts"), composeRuleBlock(bodyB()));
}

TEST_F(ImportExport, DialogSettingsCarryOverBetweenTheCommands) {
    const Text filter = "\xC6\xC1\xB1\xCE\xB9\xE6\xD4\xF2(*.ad)|*.ad";  // 屏蔽规则(*.ad)|*.ad
    const Text title = gbk(u8"请选择屏蔽规则");
    exportTo("a.ad");
    importFrom("a.ad");
    exportTo("b.ad");
    const auto& shown = dialog().shown();
    ASSERT_EQ(shown.size(), 3u);

    EXPECT_EQ(shown[0].kind, FileDialogKind::save);
    EXPECT_EQ(shown[0].title, "");  // the layout's empty title: the system's own caption
    EXPECT_EQ(shown[0].filter, filter);
    EXPECT_EQ(shown[0].initialFolder, ruleFileFolder());
    EXPECT_EQ(shown[0].defaultExtension, "ad");

    EXPECT_EQ(shown[1].kind, FileDialogKind::open);
    EXPECT_EQ(shown[1].title, title);
    EXPECT_EQ(shown[1].filter, filter);
    EXPECT_EQ(shown[1].initialFolder, ruleFileFolder());  // left by the export
    EXPECT_EQ(shown[1].defaultExtension, "ad");

    EXPECT_EQ(shown[2].kind, FileDialogKind::save);
    EXPECT_EQ(shown[2].title, title);  // left by the import
}

TEST_F(ImportExport, CancelChangesNothing) {
    t.ui.fakeUnit(unit::previewBox).setText(editorText);
    t.program.state.currentRulesText = "before";
    dialog().cancelNext();
    importRuleFile(t.program);
    dialog().cancelNext();
    exportRuleFile(t.program);
    EXPECT_EQ(dialog().shown().size(), 2u);
    EXPECT_FALSE(t.ruleList().visible());
    EXPECT_EQ(t.ruleList().rowCount(), 0);
    EXPECT_EQ(t.program.state.currentRulesText, "before");
    EXPECT_TRUE(t.temp.names().empty());
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(ImportExport, FilesWithoutRulesAreReportedAndChangeNothing) {
    t.ruleList().appendRow("1");
    t.ruleList().setCell(0, 1, "kept");
    t.program.state.currentRulesText = "#kept#";
    fs::create_directory(t.temp.folder() / "folder.ad");
    // Under another key the pairs decode to noise: control bytes, or bytes that are not GBK.
    t.temp.write("other-key.ad", encodeText(editorText, "Other"));
    t.temp.write("plain.ad", "#a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#\r\n127.0.0.1 localhost\r\n# comment #\r\n");
    t.temp.write("control.ad", encodeText("#a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "\x01#", "Tesmolen"));
    t.temp.write("not-gbk.ad", encodeText("#a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "\xFF#\x81", "Tesmolen"));
    // Comments only, and a head that does not start its line.
    t.temp.write("no-rule.ad", encodeText(gbk(u8"# 站点代码开始 below\r\nx #站点代码开始\r\n"), "Tesmolen"));
    t.temp.write("empty.ad", "");
    for (std::string name : {"missing.ad", "folder.ad", "other-key.ad", "plain.ad", "control.ad",
                             "not-gbk.ad", "no-rule.ad", "empty.ad"}) {
        SCOPED_TRACE(name);
        t.ui.messages.clear();
        importFrom(name);
        expectOnlyReport(gbk(u8"规则导入失败\r\n如有需要,请向官方反馈"));
        EXPECT_EQ(t.ruleList().bodies(), std::vector<Text>{"kept"});
        EXPECT_FALSE(t.ruleList().visible());
        EXPECT_EQ(t.program.state.currentRulesText, "#kept#");
    }
}

TEST_F(ImportExport, RulesWithTabsAndChineseImport) {
    const Text rules = gbk(u8"#站点代码开始\r\n0.0.0.0\tads\r\n#代码结束\r\n");
    t.temp.write("rules.ad", encodeText(rules, "Tesmolen"));
    importFrom("rules.ad");
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_TRUE(t.ruleList().visible());
    EXPECT_EQ(t.ruleList().bodies(), std::vector<Text>{gbk(u8"站点代码开始\r\n0.0.0.0\tads\r\n")});
}

TEST_F(ImportExport, FailedExportIsReported) {
    t.ui.fakeUnit(unit::previewBox).setText(editorText);
    fs::create_directory(t.temp.folder() / "taken.ad");
    exportTo("taken.ad");
    exportTo("no-such-folder/rules.ad");
    ASSERT_EQ(t.ui.messages.size(), 2u);
    for (const auto& message : t.ui.messages) {
        // "规则导出失败\r\n如有需要,请向官方反馈"
        EXPECT_EQ(
            message.text,
            "\xB9\xE6\xD4\xF2\xB5\xBC\xB3\xF6\xCA\xA7\xB0\xDC\r\n"
            "\xC8\xE7\xD3\xD0\xD0\xE8\xD2\xAA,\xC7\xEB\xCF\xF2\xB9\xD9\xB7\xBD\xB7\xB4\xC0\xA1");
        EXPECT_EQ(message.buttons, MessageButtons::ok);
        EXPECT_EQ(message.title, "Tesmolen");
    }
    EXPECT_TRUE(fs::is_directory(t.temp.folder() / "taken.ad"));
}

TEST_F(ImportExport, ExportReplacesAWholeFile) {
    t.temp.write("rules.ad", std::string(1000, 'Z'));
    t.ui.fakeUnit(unit::previewBox).setText("\r\n#s");
    exportTo("rules.ad");
    EXPECT_EQ(t.temp.read("rules.ad").size(), 2u + 2 * 4);
    EXPECT_TRUE(t.ui.messages.empty());
}

}  // namespace
}  // namespace tesmolen
