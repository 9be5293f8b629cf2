#include "textsvc/owned_message_box.hpp"

#include <gtest/gtest.h>

#include "runtime/codepage.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

using testing::TestProgram;

class OwnedMessageBox : public ::testing::Test {
protected:
    OwnedMessageBox() {
        t.windows.processId = 700;
        // Windows of other processes come first; the own process has two, the first of them
        // untitled and without a class name.
        t.windows.windows = {
            {0x10, 9, 90, "Other", "OtherClass"},
            {0x20, 11, 110, "Another", "X"},
            {0x30, 700, 7001, "", ""},
            {0x40, 700, 7002, "Tesmolen", "TesmolenWindow"},
            {0x50, 12, 120, "Last", "Y"},
        };
    }

    const testing::FakeWindowSystem::ShownBox& onlyBox() {
        EXPECT_EQ(t.windows.boxes.size(), 1u);
        return t.windows.boxes.at(0);
    }

    TestProgram t;
};

TEST_F(OwnedMessageBox, TextOnlyTakesEveryDefault) {
    EXPECT_EQ(ownedMessageBox(t.program, "hello"), Answer::ok);
    const auto& box = onlyBox();
    EXPECT_EQ(box.owner, 0x30u);
    EXPECT_EQ(box.text, "hello");
    EXPECT_EQ(box.title, gbk(u8"友情提醒"));
    EXPECT_EQ(box.title, "\xD3\xD1\xC7\xE9\xCC\xE1\xD0\xD1");
    EXPECT_EQ(box.style, informationReport);
    EXPECT_TRUE(t.program.state.windowList.empty());
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(OwnedMessageBox, SuppliedValuesAreUsedAsTheyAreEvenWhenZeroOrEmpty) {
    ownedMessageBox(t.program, "a", {.style = BoxStyle{}});
    ownedMessageBox(t.program, "b", {.title = Text("Tesmolen")});
    ownedMessageBox(t.program, "c", {.title = Text()});
    ownedMessageBox(t.program, "d", {.owner = 0});
    const BoxStyle question{.buttons = MessageButtons::yesNo};
    ownedMessageBox(t.program, "e", {.style = question, .title = Text("T"), .owner = 0x50});
    ASSERT_EQ(t.windows.boxes.size(), 5u);
    const auto& boxes = t.windows.boxes;
    EXPECT_EQ(boxes[0].style, BoxStyle{});
    EXPECT_EQ(boxes[0].title, gbk(u8"友情提醒"));
    EXPECT_EQ(boxes[1].title, "Tesmolen");
    EXPECT_EQ(boxes[1].style, informationReport);
    EXPECT_EQ(boxes[1].owner, 0x30u);
    EXPECT_EQ(boxes[2].title, "");
    EXPECT_EQ(boxes[3].owner, 0u);
    EXPECT_EQ(boxes[4].owner, 0x50u);
    EXPECT_EQ(boxes[4].title, "T");
    EXPECT_EQ(boxes[4].style, question);
    EXPECT_TRUE(t.program.state.windowList.empty());
}

TEST_F(OwnedMessageBox, ReturnsTheAnswerThatClosedTheBox) {
    t.windows.answers = {Answer::yes, Answer::none};
    EXPECT_EQ(ownedMessageBox(t.program, "?"), Answer::yes);
    EXPECT_EQ(ownedMessageBox(t.program, "?"), Answer::none) << "the box could not be shown";
}

TEST_F(OwnedMessageBox, WithoutAWindowOfItsOwnTheBoxHasNoOwner) {
    t.windows.processId = 1;
    ownedMessageBox(t.program, "x");
    t.windows.windows.clear();
    ownedMessageBox(t.program, "y");
    ASSERT_EQ(t.windows.boxes.size(), 2u);
    EXPECT_EQ(t.windows.boxes[0].owner, 0u);
    EXPECT_EQ(t.windows.boxes[1].owner, 0u);
}

TEST_F(OwnedMessageBox, LeftoverWindowRecordsPlayNoPart) {
    t.program.state.windowList = {{0x99, 700, 1, "stale", "stale"}};
    EXPECT_EQ(findOwnerWindow(t.program, 700), 0x30u);
    EXPECT_TRUE(t.program.state.windowList.empty());
}

TEST(WindowEnumeration, ReplacesTheListByEveryWindowInOrder) {
    TestProgram t;
    t.windows.windows = {{0x10, 9, 90, "Other", "OtherClass"}, {0x30, 700, 7001, "", ""}};
    std::vector<WindowRecord> list = {{0x77, 1, 1, "old", "old"}, {}, {}};
    EXPECT_EQ(enumerateTopLevelWindows(t.program, list), 2);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].handle, 0x10u);
    EXPECT_EQ(list[0].processId, 9u);
    EXPECT_EQ(list[0].threadId, 90u);
    EXPECT_EQ(list[0].title, "Other");
    EXPECT_EQ(list[0].className, "OtherClass");
    EXPECT_EQ(list[1].handle, 0x30u);
    EXPECT_EQ(list[1].processId, 700u);
    EXPECT_TRUE(t.program.state.windowList.empty());

    t.windows.windows.clear();
    EXPECT_EQ(enumerateTopLevelWindows(t.program, list), 0);
    EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace tesmolen
