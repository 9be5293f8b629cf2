#include "rules/rule_editor.hpp"

#include <gtest/gtest.h>

#include "runtime/codepage.hpp"
#include "support/test_program.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using testing::TestProgram;

// The enabled flags that make up the editor's state.
struct EditorFlags {
    bool siteNameBox;
    bool newRuleButton;
    bool addEntryButton;
    bool endEditingButton;
    bool exportButton;
};

constexpr EditorFlags idleAtStart{true, true, false, false, false};
constexpr EditorFlags ruleOpen{false, false, true, false, false};
constexpr EditorFlags ruleOpenWithEntries{false, false, true, true, false};
constexpr EditorFlags exportable(EditorFlags flags) {
    flags.exportButton = true;
    return flags;
}

class RuleEditor : public ::testing::Test {
protected:
    RuleEditor() { t.program.state.titleText = "Title"; }

    testing::FakeUnit& unitNamed(UnitName name) { return t.ui.fakeUnit(name); }
    Text text(UnitName name) { return unitNamed(name).text(); }
    Text preview() { return text(unit::previewBox); }

    // The user can type into a box and click a button only while it is enabled.
    void type(UnitName box, const Text& text) {
        ASSERT_TRUE(unitNamed(box).enabled());
        unitNamed(box).setText(text);
    }
    void click(UnitName button, void (*command)(Program&)) {
        ASSERT_TRUE(unitNamed(button).enabled());
        command(t.program);
    }

    void expectFlags(const EditorFlags& expected) {
        EXPECT_EQ(unitNamed(unit::siteNameBox).enabled(), expected.siteNameBox);
        EXPECT_EQ(unitNamed(unit::newRuleButton).enabled(), expected.newRuleButton);
        EXPECT_EQ(unitNamed(unit::addEntryButton).enabled(), expected.addEntryButton);
        EXPECT_EQ(unitNamed(unit::endEditingButton).enabled(), expected.endEditingButton);
        EXPECT_EQ(unitNamed(unit::exportButton).enabled(), expected.exportButton);
        // Never changed by the editor.
        EXPECT_TRUE(unitNamed(unit::hostBox).enabled());
        EXPECT_TRUE(unitNamed(unit::ipBox).enabled());
        EXPECT_TRUE(unitNamed(unit::clearIpButton).enabled());
        EXPECT_FALSE(unitNamed(unit::previewBox).enabled());
    }

    void expectOnlyMessage(const Text& message) {
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, message);
        EXPECT_EQ(t.ui.messages[0].buttons, MessageButtons::ok);
        EXPECT_EQ(t.ui.messages[0].title, "Title");
    }

    TestProgram t;
};

TEST_F(RuleEditor, TwoRulesCollectInThePreview) {
    expectFlags(idleAtStart);
    EXPECT_EQ(text(unit::ipBox), "0.0.0.0");
    EXPECT_EQ(preview(), "");

    type(unit::siteNameBox, "A");
    click(unit::newRuleButton, newRule);
    EXPECT_EQ(preview(), gbk(u8"\r\n#A代码开始"));
    expectFlags(ruleOpen);

    type(unit::hostBox, "h1");
    click(unit::addEntryButton, addEntry);
    expectFlags(ruleOpenWithEntries);
    EXPECT_EQ(text(unit::hostBox), "");
    EXPECT_EQ(text(unit::ipBox), "0.0.0.0");

    type(unit::hostBox, "h2");
    click(unit::addEntryButton, addEntry);
    expectFlags(ruleOpenWithEntries);
    EXPECT_EQ(preview(), gbk(u8"\r\n#A代码开始\r\n0.0.0.0 h1\r\n0.0.0.0 h2"));

    click(unit::endEditingButton, endEditing);
    expectFlags(exportable(idleAtStart));
    EXPECT_EQ(text(unit::siteNameBox), "");

    type(unit::siteNameBox, "B");
    click(unit::newRuleButton, newRule);
    expectFlags(exportable(ruleOpen));

    type(unit::ipBox, "127.0.0.1");
    type(unit::hostBox, "h3");
    click(unit::addEntryButton, addEntry);
    expectFlags(exportable(ruleOpenWithEntries));

    click(unit::endEditingButton, endEditing);
    expectFlags(exportable(idleAtStart));

    EXPECT_EQ(preview(), gbk(u8"\r\n#A代码开始\r\n"
                             u8"0.0.0.0 h1\r\n"
                             u8"0.0.0.0 h2\r\n"
                             u8"#A代码结束\r\n"
                             u8"#B代码开始\r\n"
                             u8"127.0.0.1 h3\r\n"
                             u8"#B代码结束"));
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(RuleEditor, NewRuleWithoutASiteNameChangesNothing) {
    click(unit::newRuleButton, newRule);
    expectOnlyMessage(gbk(u8"网站名称不可为空"));
    expectFlags(idleAtStart);
    EXPECT_EQ(preview(), "");
}

TEST_F(RuleEditor, EntryWithoutAnIpAddressOrHostChangesNothing) {
    type(unit::siteNameBox, "A");
    click(unit::newRuleButton, newRule);
    const Text opened = preview();

    // With both boxes blank only the IP address is named.
    click(unit::clearIpButton, clearIp);
    EXPECT_EQ(text(unit::ipBox), "");
    click(unit::addEntryButton, addEntry);
    expectOnlyMessage(gbk(u8"IP地址不可为空"));

    t.ui.messages.clear();
    type(unit::ipBox, "1.2.3.4");
    click(unit::addEntryButton, addEntry);
    expectOnlyMessage(gbk(u8"屏蔽网址不可为空"));

    t.ui.messages.clear();
    type(unit::hostBox, "h");
    click(unit::clearIpButton, clearIp);
    click(unit::addEntryButton, addEntry);
    expectOnlyMessage(gbk(u8"IP地址不可为空"));
    EXPECT_EQ(text(unit::hostBox), "h");

    expectFlags(ruleOpen);
    EXPECT_EQ(preview(), opened);
}

TEST_F(RuleEditor, HashInSiteNameOrHostIsRefused) {
    // "网站名称和屏蔽域名中不能包含#号", spelled out so that a wrong code page shows.
    const Text refused =
        "\xCD\xF8\xD5\xBE\xC3\xFB\xB3\xC6\xBA\xCD\xC6\xC1\xB1\xCE\xD3\xF2\xC3\xFB"
        "\xD6\xD0\xB2\xBB\xC4\xDC\xB0\xFC\xBA\xAC#\xBA\xC5";
    type(unit::siteNameBox, "A#");
    click(unit::newRuleButton, newRule);
    expectOnlyMessage(refused);
    expectFlags(idleAtStart);
    EXPECT_EQ(text(unit::siteNameBox), "A#");
    EXPECT_EQ(preview(), "");

    t.ui.messages.clear();
    type(unit::siteNameBox, "A");
    click(unit::newRuleButton, newRule);
    type(unit::hostBox, "h#1");
    click(unit::addEntryButton, addEntry);
    expectOnlyMessage(refused);
    expectFlags(ruleOpen);
    EXPECT_EQ(text(unit::hostBox), "h#1");
    EXPECT_EQ(preview(), gbk(u8"\r\n#A代码开始"));
}

TEST_F(RuleEditor, TextsPassUntrimmed) {
    type(unit::siteNameBox, " a b ");
    click(unit::newRuleButton, newRule);
    type(unit::ipBox, " 0.0.0.0");
    type(unit::hostBox, "h 1 ");
    click(unit::addEntryButton, addEntry);
    click(unit::endEditingButton, endEditing);
    type(unit::siteNameBox, "  ");
    click(unit::newRuleButton, newRule);
    EXPECT_EQ(preview(),
              gbk(u8"\r\n# a b 代码开始\r\n 0.0.0.0 h 1 \r\n# a b 代码结束\r\n#  代码开始"));
    EXPECT_TRUE(t.ui.messages.empty());
}

}  // namespace
}  // namespace tesmolen
