#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "app/bindings.hpp"
#include "support/test_program.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using Bound = std::pair<std::u8string_view, UiEvent>;

// Every event of the window that has a command, and nothing else.
TEST(BindingTable, EveryEventWithACommandIsBoundOnce) {
    const std::set<Bound> expected = {
        {unit::mainWindow, UiEvent::created},
        {unit::noticeTimer, UiEvent::timerTick},
        {unit::banner, UiEvent::click},
        {unit::readButton, UiEvent::click},
        {unit::downloadButton, UiEvent::click},
        {unit::importButton, UiEvent::click},
        {unit::backupRestoreButton, UiEvent::click},
        {unit::deleteAllButton, UiEvent::click},
        {unit::submitSiteButton, UiEvent::click},
        {unit::saveButton, UiEvent::click},
        {unit::ruleList, UiEvent::rightClick},
        {unit::deleteEntryItem, UiEvent::chosen},
        {unit::restoreItem, UiEvent::chosen},
        {unit::backupItem, UiEvent::chosen},
        {unit::cloudDriveItem, UiEvent::chosen},
        {unit::officialDownloadItem, UiEvent::chosen},
        {unit::newRuleButton, UiEvent::click},
        {unit::addEntryButton, UiEvent::click},
        {unit::endEditingButton, UiEvent::click},
        {unit::clearIpButton, UiEvent::click},
        {unit::exportButton, UiEvent::click},
        {unit::groupButton, UiEvent::click},
        {unit::qrButton, UiEvent::click},
        {unit::qrPicture, UiEvent::click},
        {unit::paymentButton, UiEvent::click},
    };
    std::set<Bound> bound;
    for (const EventBinding& binding : eventBindings()) {
        EXPECT_TRUE(bound.insert({binding.unit, binding.event}).second) << "bound twice";
        EXPECT_NE(binding.handler, nullptr);
    }
    EXPECT_TRUE(bound == expected);
    EXPECT_EQ(bound.size(), expected.size());
}

}  // namespace
}  // namespace tesmolen
