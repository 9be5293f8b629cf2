// Run by both window suites: Tab and Shift+Tab visit the editor's units as the screen shows
// them, row by row from the top and each row from the left, round the end.

#include "gui_window.hpp"
#include "runtime/codepage.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using TabOrder = testing::GuiWindow;

struct Step {
    wchar_t key;  // '\t' for Tab, else a character typed
    bool shift;
    UnitName focused;
};

TEST_F(TabOrder, TabAndShiftTabVisitTheShownEditorUnitsInReadingOrder) {
    ui.selectPage(2);
    focus(unit::newRuleButton);
    auto run = [this](std::initializer_list<Step> steps) {
        for (const Step& step : steps) {
            press(step.key, step.shift);
            EXPECT_EQ(focused(), gbk(step.focused)) << "step " << &step - steps.begin();
        }
    };
    // The buttons right of 新建规则 and 屏蔽网址 and the preview are disabled at first. The IP box
    // is entered at its first field from either side and left from its second.
    // clang-format off
    run({{'\t', false, unit::siteNameBox}, {'\t', false, unit::hostBox}, {'\t', false, unit::ipBox},
         {'7', false, unit::ipBox}, {'.', false, unit::ipBox}, {'\t', false, unit::clearIpButton},
         {'\t', false, unit::newRuleButton}, {'\t', true, unit::clearIpButton},
         {'\t', true, unit::ipBox}, {'8', false, unit::ipBox}, {'.', false, unit::ipBox},
         {'\t', true, unit::hostBox}, {'\t', true, unit::siteNameBox},
         {'\t', true, unit::newRuleButton}});
    EXPECT_EQ(ui.unit(unit::ipBox).text(), "8.0.0.0");

    ui.unit(unit::siteNameBox).setEnabled(false);
    ui.unit(unit::exportButton).setEnabled(true);
    ui.unit(unit::addEntryButton).setEnabled(true);
    ui.unit(unit::clearIpButton).setVisible(false);
    run({{'\t', false, unit::exportButton}, {'\t', false, unit::hostBox},
         {'\t', false, unit::addEntryButton}, {'\t', false, unit::ipBox},
         {'\t', false, unit::newRuleButton}});
    // clang-format on
}

}  // namespace
}  // namespace tesmolen
