#include "ui/links.hpp"

#include <gtest/gtest.h>

#include "support/test_program.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using testing::TestProgram;

class Links : public ::testing::Test {
protected:
    Links() { t.program.stored.makerWebHost = "web.test:8080"; }

    std::vector<Text> opened() const { return t.shell.openedPages; }

    TestProgram t;
};

TEST_F(Links, ContactMessageNamesTheChatAccountAndGroup) {
    showContactMessage(t.program);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    // "提交有广告网站请加QQ: 20261208\r\n或QQ群:61827345"
    EXPECT_EQ(t.ui.messages[0].text,
              "\xCC\xE1\xBD\xBB\xD3\xD0\xB9\xE3\xB8\xE6\xCD\xF8\xD5\xBE\xC7\xEB\xBC\xD3QQ: "
              "20261208\r\n\xBB\xF2QQ\xC8\xBA:61827345");
    EXPECT_EQ(t.ui.messages[0].buttons, MessageButtons::ok);
    EXPECT_EQ(t.ui.messages[0].title, "Tesmolen");
    EXPECT_TRUE(opened().empty());
}

TEST_F(Links, DownloadMenuOpensBesideTheButtonWhereverTheMouseIs) {
    // The button keeps its place in the settings frame: left 59, top 290.
    t.ui.fakeWindow().place(300, 120);
    t.ui.mouse = {900, 5};
    popUpDownloadMenu(t.program);
    ASSERT_EQ(t.ui.popUps.size(), 1u);
    EXPECT_TRUE(t.ui.popUps[0].menu == unit::downloadMenu);
    EXPECT_EQ(t.ui.popUps[0].at.x, 300 + 59 + 2);
    EXPECT_EQ(t.ui.popUps[0].at.y, 120 + 290);
}

TEST_F(Links, CloudDrivePageOpensOnlyAfterYes) {
    t.ui.answerNo();
    openCloudDrivePage(t.program);
    EXPECT_TRUE(opened().empty());

    t.ui.answerYes();
    openCloudDrivePage(t.program);
    EXPECT_EQ(opened(), (std::vector<Text>{"http://web.test:8080/kovrel/ad/pan.html"}));

    ASSERT_EQ(t.ui.messages.size(), 2u);
    for (const auto& message : t.ui.messages) {
        // "网盘下载需要提取码\r\n需到官网获取"
        EXPECT_EQ(message.text,
                  "\xCD\xF8\xC5\xCC\xCF\xC2\xD4\xD8\xD0\xE8\xD2\xAA\xCC\xE1\xC8\xA1\xC2\xEB\r\n"
                  "\xD0\xE8\xB5\xBD\xB9\xD9\xCD\xF8\xBB\xF1\xC8\xA1");
        EXPECT_EQ(message.buttons, MessageButtons::yesNo);
        EXPECT_EQ(message.title, "Tesmolen");
    }
}

TEST_F(Links, QrPictureIsShownByItsButtonAndHiddenByAClickOnItself) {
    auto& qr = t.ui.fakeUnit(unit::qrPicture);
    EXPECT_FALSE(qr.visible());
    showQrPicture(t.program);
    EXPECT_TRUE(qr.visible());
    showQrPicture(t.program);
    EXPECT_TRUE(qr.visible());
    hideQrPicture(t.program);
    EXPECT_FALSE(qr.visible());
}

}  // namespace
}  // namespace tesmolen
