#include "ui/layout.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "support/source_tree.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using testing::sourceFile;

std::string printable(std::u8string_view name) {
    return std::string(reinterpret_cast<const char*>(name.data()), name.size());
}

const UnitSpec& spec(UnitName name) {
    const auto& units = windowLayout().units;
    auto it =
        std::find_if(units.begin(), units.end(), [&](const UnitSpec& u) { return u.name == name; });
    if (it == units.end()) throw std::logic_error("not in the layout: " + printable(name));
    return *it;
}

// Position in the table, which is the stacking order among a parent's children.
long place(UnitName name) {
    return &spec(name) - windowLayout().units.data();
}

bool isContainer(UnitKind kind) {
    return kind == UnitKind::tabControl || kind == UnitKind::tabPage ||
           kind == UnitKind::groupBox || kind == UnitKind::shapeBox;
}

// Top and bottom edge in window coordinates, following the parents up.
std::pair<int, int> verticalExtent(const UnitSpec& unit) {
    int top = unit.top;
    for (UnitName parent = unit.parent; !parent.empty(); parent = spec(parent).parent) {
        top += spec(parent).top;
    }
    return {top, top + unit.height};
}

bool liesOnAPage(const UnitSpec& unit) {
    for (UnitName parent = unit.parent; !parent.empty(); parent = spec(parent).parent) {
        if (spec(parent).kind == UnitKind::tabPage) return true;
    }
    return false;
}

TEST(WindowLayout, NamesAreUniqueAndParentsAreContainers) {
    const WindowLayout& layout = windowLayout();
    std::set<std::u8string_view> names{unit::mainWindow};
    auto add = [&](UnitName name) {
        EXPECT_TRUE(names.insert(name).second) << "twice: " << printable(name);
    };
    for (const UnitSpec& unit : layout.units) add(unit.name);
    for (const MenuSpec& menu : layout.menus) {
        add(menu.name);
        for (UnitName item : menu.items) add(item);
    }
    for (const UnitSpec& unit : layout.units) {
        if (unit.parent.empty()) continue;
        SCOPED_TRACE(printable(unit.name));
        const UnitSpec& parent = spec(unit.parent);
        EXPECT_TRUE(isContainer(parent.kind));
        // The tab control holds pages and nothing else; pages lie nowhere else.
        EXPECT_EQ(parent.kind == UnitKind::tabControl, unit.kind == UnitKind::tabPage);
    }
}

TEST(WindowLayout, EveryNamedUnitMenuAndItemIsLaidOut) {
    const std::string header = sourceFile("src/ui/unit_names.hpp");
    const std::regex constant(R"(inline constexpr UnitName (\w+) = u8\"([^\"]+)\";)");
    std::set<std::string> laidOut{printable(unit::mainWindow)};
    for (const UnitSpec& unit : windowLayout().units) laidOut.insert(printable(unit.name));
    for (const MenuSpec& menu : windowLayout().menus) {
        laidOut.insert(printable(menu.name));
        for (UnitName item : menu.items) laidOut.insert(printable(item));
    }
    int constants = 0;
    for (auto it = std::sregex_iterator(header.begin(), header.end(), constant);
         it != std::sregex_iterator(); ++it) {
        ++constants;
        EXPECT_TRUE(laidOut.contains((*it)[2].str())) << "unit::" << (*it)[1].str();
    }
    EXPECT_EQ(static_cast<size_t>(constants), laidOut.size());
}

TEST(WindowLayout, InitialStateHidesTheListAndTheQrPictureAndLocksTheEditor) {
    std::set<std::u8string_view> hidden;
    std::set<std::u8string_view> disabled;
    for (const UnitSpec& unit : windowLayout().units) {
        if (!unit.visible) hidden.insert(unit.name);
        if (!unit.enabled) disabled.insert(unit.name);
    }
    EXPECT_EQ(hidden, (std::set<std::u8string_view>{unit::ruleList, unit::qrPicture,
                                                    unit::noticeTimer, unit::fileDialog}));
    // The two long texts are read-only displays.
    EXPECT_EQ(disabled, (std::set<std::u8string_view>{
                            unit::addEntryButton, unit::endEditingButton, unit::exportButton,
                            unit::previewBox, unit::instructionsText, unit::disclaimerText}));
}

TEST(WindowLayout, OnlyEditBoxesAndButtonsTakeTheFocus) {
    for (const UnitSpec& unit : windowLayout().units) {
        SCOPED_TRACE(printable(unit.name));
        bool typedInOrPressed = unit.kind == UnitKind::editBox ||
                                unit.kind == UnitKind::superEditBox ||
                                unit.kind == UnitKind::ipEditBox || unit.kind == UnitKind::button;
        EXPECT_EQ(unit.focusable, typedInOrPressed);
    }
}

TEST(WindowLayout, SettingsButtonsFormOneRowFromReadToSave) {
    std::vector<const UnitSpec*> row;
    for (const UnitSpec& unit : windowLayout().units) {
        if (unit.kind == UnitKind::button && unit.parent == unit::settingsFrame) {
            row.push_back(&unit);
        }
    }
    ASSERT_EQ(row.size(), 7u);
    std::sort(row.begin(), row.end(),
              [](const UnitSpec* a, const UnitSpec* b) { return a->left < b->left; });
    EXPECT_EQ(row.front()->name, unit::readButton);
    EXPECT_EQ(row.front()->left, 0);
    EXPECT_EQ(row.back()->name, unit::saveButton);
    EXPECT_EQ(row.back()->left, 358);
    for (size_t i = 0; i < row.size(); ++i) {
        SCOPED_TRACE(printable(row[i]->name));
        EXPECT_EQ(row[i]->top, 290);
        EXPECT_EQ(row[i]->height, 24);
        // No gap between neighbours.
        if (i > 0) {
            EXPECT_LE(row[i]->left, row[i - 1]->left + row[i - 1]->width);
        }
    }
}

TEST(WindowLayout, PagesEndAboveTheBanner) {
    const UnitSpec& banner = spec(unit::banner);
    EXPECT_TRUE(banner.parent.empty());
    EXPECT_EQ(std::tie(banner.left, banner.top, banner.width, banner.height),
              std::make_tuple(0, 340, 420, 60));

    std::map<std::u8string_view, int> fullContainers;
    int pages = 0;
    for (const UnitSpec& unit : windowLayout().units) {
        if (unit.kind == UnitKind::tabPage) ++pages;
        if (!liesOnAPage(unit)) continue;
        SCOPED_TRACE(printable(unit.name));
        EXPECT_LE(verticalExtent(unit).second, 340);
        if (spec(unit.parent).kind == UnitKind::tabPage &&
            std::tie(unit.left, unit.top, unit.width, unit.height) ==
                std::make_tuple(0, 24, 420, 315)) {
            ++fullContainers[unit.parent];
        }
    }
    EXPECT_EQ(pages, 4);
    EXPECT_EQ(fullContainers.size(), 4u);
    for (auto [page, count] : fullContainers) EXPECT_EQ(count, 1) << printable(page);
}

TEST(WindowLayout, CoveringUnitsLieAboveWhatTheyCover) {
    EXPECT_LT(place(unit::noticeBox), place(unit::instructionsGroup));
    EXPECT_LT(place(unit::ruleList), place(unit::hintLabel));
    EXPECT_LT(place(unit::qrPicture), place(unit::disclaimerText));
    EXPECT_LT(place(unit::banner), place(unit::tabControl));
    EXPECT_LT(place(unit::supportLabel), place(unit::tabControl));
}

TEST(WindowLayout, PagesCarryTheirTitlesAndHints) {
    const std::vector<std::pair<std::u8string_view, std::u8string_view>> expected = {
        {u8"说明", u8"Tesmolen使用说明"},
        {u8"设置", u8"功能设置"},
        {u8"编辑规则", u8"屏蔽规则编写"},
        {u8"捐助", u8"使Tesmolen获得更好的发展"}};
    std::vector<std::pair<std::u8string_view, std::u8string_view>> pages;
    for (const UnitSpec& unit : windowLayout().units) {
        if (unit.kind == UnitKind::tabPage) pages.emplace_back(unit.content, unit.hint);
    }
    EXPECT_EQ(pages, expected);
    // The hint of the instructions page names the product as its group box does.
    EXPECT_EQ(pages.at(0).second, spec(unit::instructionsGroup).content);
}

TEST(WindowLayout, OpensOnThePageWithTheNotice) {
    std::vector<UnitName> pages;
    for (const UnitSpec& unit : windowLayout().units) {
        if (unit.kind == UnitKind::tabPage) pages.push_back(unit.name);
    }
    ASSERT_LT(static_cast<size_t>(windowLayout().initialPage), pages.size());
    EXPECT_EQ(pages[static_cast<size_t>(windowLayout().initialPage)], spec(unit::noticeBox).parent);
}

}  // namespace
}  // namespace tesmolen
