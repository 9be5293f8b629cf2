#pragma once
// The program's names of the window's units, menus and menu items.

#include "runtime/ui.hpp"

namespace tesmolen::unit {

// On the main window.
inline constexpr UnitName mainWindow = u8"窗口启动窗口";
inline constexpr UnitName banner = u8"广告";
inline constexpr UnitName supportLabel = u8"标签1";
inline constexpr UnitName tabControl = u8"高级选择夹1";

// The four pages of the tab control, in tab order.
inline constexpr UnitName instructionsPage = u8"说明页";
inline constexpr UnitName settingsPage = u8"设置页";
inline constexpr UnitName editorPage = u8"编辑规则页";
inline constexpr UnitName donationPage = u8"捐助页";

// Instructions tab.
inline constexpr UnitName noticeBox = u8"分组框4";
inline constexpr UnitName noticeText = u8"编辑框5";
inline constexpr UnitName instructionsGroup = u8"分组框2";
inline constexpr UnitName groupLabel = u8"透明标签3";
inline constexpr UnitName groupButton = u8"图形按钮1";
inline constexpr UnitName instructionsText = u8"编辑框4";

// Settings tab.
inline constexpr UnitName settingsFrame = u8"外形框1";
inline constexpr UnitName noticeTimer = u8"时钟1";
inline constexpr UnitName saveButton = u8"保存";
inline constexpr UnitName submitSiteButton = u8"提交网站";
inline constexpr UnitName deleteAllButton = u8"删除全部";
inline constexpr UnitName backupRestoreButton = u8"备份还原";
inline constexpr UnitName importButton = u8"导入规则";
inline constexpr UnitName downloadButton = u8"下载规则";
inline constexpr UnitName readButton = u8"读取";
inline constexpr UnitName ruleList = u8"超级列表框1";
inline constexpr UnitName hintLabel = u8"透明标签1";
inline constexpr UnitName fileDialog = u8"通用对话框1";

// Editor tab.
inline constexpr UnitName editorFrame = u8"分组框3";
inline constexpr UnitName previewLabel = u8"透明标签2";
inline constexpr UnitName previewBox = u8"超级编辑框1";
inline constexpr UnitName clearIpButton = u8"按钮清空";
inline constexpr UnitName ipBox = u8"IP编辑框1";
inline constexpr UnitName ipLabel = u8"透明标签5";
inline constexpr UnitName hostLabel = u8"透明标签7";
inline constexpr UnitName hostBox = u8"编辑框2";
inline constexpr UnitName addEntryButton = u8"按钮添加";
inline constexpr UnitName siteNameBox = u8"编辑框1";
inline constexpr UnitName siteNameLabel = u8"透明标签8";
inline constexpr UnitName newRuleButton = u8"按钮新建规则";
inline constexpr UnitName endEditingButton = u8"按钮编辑结束";
inline constexpr UnitName exportButton = u8"导出规则";

// Donation tab.
inline constexpr UnitName disclaimerGroup = u8"分组框1";
inline constexpr UnitName qrPicture = u8"二维码";
inline constexpr UnitName paymentButton = u8"图形按钮2";
inline constexpr UnitName qrButton = u8"按钮2";
inline constexpr UnitName disclaimerText = u8"编辑框3";

// Pop-up menus and their items.
inline constexpr UnitName listMenu = u8"右键菜单";
inline constexpr UnitName deleteEntryItem = u8"删除本条";
inline constexpr UnitName backupRestoreMenu = u8"备份还原菜单";
inline constexpr UnitName restoreItem = u8"还原数据";
inline constexpr UnitName backupItem = u8"备份数据";
inline constexpr UnitName downloadMenu = u8"下载数据";
inline constexpr UnitName cloudDriveItem = u8"网盘下载";
inline constexpr UnitName officialDownloadItem = u8"官方下载";

}  // namespace tesmolen::unit
