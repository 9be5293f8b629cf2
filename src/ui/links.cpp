#include "ui/links.hpp"

#include "runtime/codepage.hpp"
#include "runtime/message_boxes.hpp"
#include "ui/maker_contacts.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

const Text& contactMessage() {
    static const Text text = gbk(u8"提交有广告网站请加QQ: ") + Text(maker::chatAccount) + "\r\n" +
                             gbk(u8"或QQ群:") + Text(maker::chatGroupNumber);
    return text;
}

const Text& cloudDriveQuestion() {
    static const Text text = gbk(u8"网盘下载需要提取码\r\n需到官网获取");
    return text;
}

Text makerPage(const Program& program, std::string_view path) {
    return "http://" + program.stored.makerWebHost + Text(path);
}

void showContactMessage(Program& program) {
    report(program, contactMessage());
}

void popUpDownloadMenu(Program& program) {
    const Unit& window = program.ui.window();
    const Unit& button = program.ui.unit(unit::downloadButton);
    program.ui.popUpMenu(unit::downloadMenu,
                         {window.left() + button.left() + 2, window.top() + button.top()});
}

void openCloudDrivePage(Program& program) {
    if (askYesNo(program, cloudDriveQuestion())) {
        program.shell.openPage(makerPage(program, maker::cloudDrivePath));
    }
}

void openOfficialDownloadPage(Program& program) {
    program.shell.openPage(makerPage(program, maker::officialDownloadPath));
}

void openAdvertisingPage(Program& program) {
    program.shell.openPage(makerPage(program, maker::advertisingPath));
}

void openChatGroupPage(Program& program) {
    program.shell.openPage(Text(maker::chatGroupPage));
}

void openPaymentPage(Program& program) {
    program.shell.openPage(Text(maker::paymentPage));
}

void showQrPicture(Program& program) {
    program.ui.unit(unit::qrPicture).setVisible(true);
}

void hideQrPicture(Program& program) {
    program.ui.unit(unit::qrPicture).setVisible(false);
}

}  // namespace tesmolen
