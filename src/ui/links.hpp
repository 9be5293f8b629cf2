#pragma once
// The links and information commands: messages, the download menu, the maker's and outside
// pages, and the QR picture. None of them touches the rules.

#include "runtime/program.hpp"

namespace tesmolen {

// 提交网站: how to submit a site that shows advertising.
void showContactMessage(Program& program);
// 下载规则: pops up 下载数据 beside the button, wherever the mouse is.
void popUpDownloadMenu(Program& program);
// 网盘下载: the cloud-drive page opens only after Yes to the question about its code.
void openCloudDrivePage(Program& program);
// 官方下载
void openOfficialDownloadPage(Program& program);
// 广告 (the banner)
void openAdvertisingPage(Program& program);
// 图形按钮1
void openChatGroupPage(Program& program);
// 图形按钮2
void openPaymentPage(Program& program);
// 按钮2 shows the QR picture; a click on 二维码 hides it.
void showQrPicture(Program& program);
void hideQrPicture(Program& program);

// 提交有广告网站请加QQ: and the account, CR LF, 或QQ群: and the group number
const Text& contactMessage();
const Text& cloudDriveQuestion();  // 网盘下载需要提取码, CR LF, 需到官网获取

// "http://" + the maker's web host + path.
Text makerPage(const Program& program, std::string_view path);

}  // namespace tesmolen
