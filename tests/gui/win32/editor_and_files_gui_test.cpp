// Building a rule in the editor, exporting and importing it through the file dialog, backup and
// restore through the menu, and delete all.

#include "gui_window.hpp"
#include "rules/rule_texts.hpp"
#include "runtime/codepage.hpp"
#include "textsvc/text_cipher.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

// Rules without entries, as the program writes them.
Text ruleA() { return gbk(u8"A代码开始"); }
Text ruleB() { return gbk(u8"B代码开始"); }
Text ruleC() { return gbk(u8"C代码开始"); }

class EditorAndFilesInTheWindow : public testing::GuiWindow {
protected:
    void SetUp() override {
        program.state.hostsPath = temp.path("hosts");
        program.state.backupPath = temp.path("bak.ad");
    }

    bool enabled(UnitName name) { return IsWindowEnabled(control(name)) != FALSE; }
    bool readOnly(UnitName name) {
        return (GetWindowLongW(control(name), GWL_STYLE) & ES_READONLY) != 0;
    }
    std::wstring shownText(UnitName name) {
        wchar_t text[1024] = {};
        GetWindowTextW(control(name), text, 1024);
        return text;
    }

    // Site 站点 with two hosts, finished.
    void buildRule() {
        ui.selectPage(2);
        click(unit::newRuleButton);
        // New rule asks for a site name first.
        ASSERT_EQ(boxes().size(), 1u);
        ui.dialogScript().shownBoxes.clear();
        type(unit::siteNameBox, L"站点");
        click(unit::newRuleButton);
        ASSERT_TRUE(boxes().empty());
        EXPECT_TRUE(readOnly(unit::siteNameBox)) << "a disabled edit box only shows its text";
        ASSERT_TRUE(enabled(unit::addEntryButton));
        type(unit::hostBox, L"ads.example");
        click(unit::addEntryButton);
        SetWindowTextW(control(unit::hostBox), L"");
        type(unit::hostBox, L"track.example");
        click(unit::addEntryButton);
        click(unit::endEditingButton);
    }

    const Text siteName = gbk(u8"站点");
    const Text editorText = editorHead(siteName) + editorEntry("0.0.0.0", "ads.example") +
                            editorEntry("0.0.0.0", "track.example") + editorEnd(siteName);
};

TEST_F(EditorAndFilesInTheWindow, BuildARuleAndAddItsEntries) {
    buildRule();
    EXPECT_EQ(ui.unit(unit::previewBox).text(), editorText);
    // The preview shows the text with its line breaks, read-only, to the user.
    std::wstring shown = gbkToWide(editorText);
    EXPECT_EQ(shownText(unit::previewBox), shown);
    EXPECT_TRUE(readOnly(unit::previewBox));
    EXPECT_TRUE(enabled(unit::exportButton));
    EXPECT_TRUE(enabled(unit::newRuleButton));
    EXPECT_FALSE(enabled(unit::addEntryButton));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(EditorAndFilesInTheWindow, ExportAndImportThroughTheFileDialog) {
    buildRule();
    ui.dialogScript().fileChoices.push_back(temp.path("rules.ad"));
    click(unit::exportButton);
    const Bytes file = temp.read("rules.ad");
    ASSERT_EQ(file.size(), 2 + 2 * editorText.size());
    EXPECT_EQ(decodeText(file, "Tesmolen"), editorText);
    FileDialog& dialog = ui.fileDialog(unit::fileDialog);
    EXPECT_EQ(dialog.kind(), FileDialogKind::save);
    EXPECT_EQ(dialog.defaultExtension(), "ad");

    ui.selectPage(1);
    ui.dialogScript().fileChoices.push_back(temp.path("rules.ad"));
    click(unit::importButton);
    EXPECT_EQ(dialog.kind(), FileDialogKind::open);
    EXPECT_TRUE(IsWindowVisible(control(unit::ruleList)));
    ASSERT_EQ(shownRows(), 1);
    EXPECT_EQ(shownCell(0, 0), L"1");
    EXPECT_EQ(bodies(),
              (std::vector<Text>{siteName + codeBeginsText() +
                                 "\r\n0.0.0.0 ads.example\r\n0.0.0.0 track.example\r\n"}));

    // A cancelled dialog changes nothing.
    click(unit::importButton);
    EXPECT_EQ(shownRows(), 1);
}

TEST_F(EditorAndFilesInTheWindow, BackupAndRestoreThroughTheMenu) {
    const Text hosts = composeRuleBlock(ruleA()) + composeRuleBlock(ruleB());
    temp.write("hosts", hosts);
    ui.selectPage(1);
    click(unit::readButton);

    click(unit::backupRestoreButton);
    ASSERT_EQ(ui.poppedUpMenus().size(), 1u);
    EXPECT_TRUE(ui.poppedUpMenus()[0] == unit::backupRestoreMenu);
    ui.dialogScript().answers.push_back(Answer::yes);
    choose(unit::backupItem);
    EXPECT_EQ(decodeText(temp.read("bak.ad"), "Tesmolen"), hosts);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].text, gbk(u8"数据备份成功\r\n") + program.state.backupPath);

    temp.write("hosts", composeRuleBlock(ruleC()));
    click(unit::readButton);
    ASSERT_EQ(bodies(), (std::vector<Text>{ruleC()}));
    ui.dialogScript().answers.push_back(Answer::yes);
    choose(unit::restoreItem);
    EXPECT_EQ(bodies(), (std::vector<Text>{ruleA(), ruleB()}));
    EXPECT_EQ(shownRows(), 2);
    EXPECT_EQ(shownCell(1, 1), L"B代码开始");
}

TEST_F(EditorAndFilesInTheWindow, DeleteAllEmptiesAndHidesTheList) {
    temp.write("hosts", gbk(u8"#a代码开始#\r\n#b代码开始#\r\n"));
    ui.selectPage(1);
    click(unit::readButton);
    ASSERT_EQ(shownRows(), 2);
    ui.dialogScript().answers.push_back(Answer::yes);
    click(unit::deleteAllButton);
    EXPECT_EQ(shownRows(), 0);
    EXPECT_FALSE(IsWindowVisible(control(unit::ruleList)));
    EXPECT_TRUE(IsWindowVisible(control(unit::hintLabel)));
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].text, gbk(u8"删除全部数据成功"));
    EXPECT_EQ(temp.read("hosts"), gbk(u8"#a代码开始#\r\n#b代码开始#\r\n"));
}

}  // namespace
}  // namespace tesmolen
