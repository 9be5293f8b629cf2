// The tests' window starts as the layout says, so command tests see the real initial state.

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/fake_ui.hpp"
#include "ui/layout.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using testing::FakeUi;

TEST(FakeWindow, StartsWithTheLaidOutTextsAndPositions) {
    FakeUi ui;
    EXPECT_EQ(ui.window().text(), "Tesmolen");
    EXPECT_EQ(ui.window().left(), 50);
    EXPECT_EQ(ui.window().top(), 50);

    EXPECT_EQ(ui.unit(unit::ipBox).text(), "0.0.0.0");
    EXPECT_EQ(ui.unit(unit::hintLabel).text(),
              "\xC7\xEB\xBD\xE1\xBA\xCF\xD7\xD4\xBC\xBA\xD0\xE8\xD2\xAA\xC9\xE8\xD6\xC3\xC6\xC1"
              "\xB1\xCE\xD0\xA7\xB9\xFB,\xC7\xD0\xBC\xC7\xC3\xA4\xC4\xBF\xB8\xFA\xB7\xE7,\xD4\xEC"
              "\xB3\xC9\xCA\xB9\xD3\xC3\xB2\xBB\xB5\xB1.");
    EXPECT_EQ(ui.unit(unit::instructionsText).text().size(), 670u);
    EXPECT_EQ(ui.unit(unit::noticeText).text(), "");

    // Pop-up menus are placed from a button's position.
    EXPECT_EQ(ui.unit(unit::downloadButton).left(), 59);
    EXPECT_EQ(ui.unit(unit::downloadButton).top(), 290);
}

TEST(FakeWindow, StartsWithTheLaidOutFlagsAndKinds) {
    FakeUi ui;
    for (const UnitSpec& spec : windowLayout().units) {
        const Unit& unit = ui.unit(spec.name);
        EXPECT_EQ(unit.visible(), spec.visible);
        EXPECT_EQ(unit.enabled(), spec.enabled);
    }
    EXPECT_FALSE(ui.list(unit::ruleList).visible());
    EXPECT_EQ(ui.list(unit::ruleList).rowCount(), 0);
    EXPECT_EQ(ui.timer(unit::noticeTimer).period(), 0);
    EXPECT_FALSE(ui.graphicButton(unit::banner).hasPicture(1));
    EXPECT_NO_THROW(ui.fileDialog(unit::fileDialog));
}

TEST(FakeWindow, UnknownNamesFailLoudly) {
    FakeUi ui;
    EXPECT_THROW(ui.unit(u8"编辑框9"), std::logic_error);
    EXPECT_THROW(ui.list(unit::previewBox), std::logic_error);
    EXPECT_THROW(ui.graphicButton(unit::readButton), std::logic_error);
    EXPECT_THROW(ui.popUpMenu(u8"菜单9", {}), std::logic_error);
    EXPECT_TRUE(ui.popUps.empty());

    ui.popUpMenu(unit::downloadMenu, {111, 390});
    ASSERT_EQ(ui.popUps.size(), 1u);
    EXPECT_TRUE(ui.popUps[0].menu == unit::downloadMenu);
}

}  // namespace
}  // namespace tesmolen
