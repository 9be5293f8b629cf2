#include "ui/layout.hpp"

#include "ui/unit_names.hpp"
#include "ui/window_texts.hpp"

namespace tesmolen {

namespace {

using K = UnitKind;

constexpr Colour gray{236, 236, 236};
constexpr Colour black{0, 0, 0};
constexpr Colour white{255, 255, 255};
constexpr Colour blue{0, 0, 255};
constexpr Colour hintBlue{0, 96, 192};
constexpr Colour magenta{255, 0, 255};

constexpr FontSpec tabFont{u8"SimSun", 12};
constexpr FontSpec ruleListFont{u8"SimSun", 14};
constexpr FontSpec hintFont{u8"", 14};

bool takesFocus(UnitKind kind) {
    switch (kind) {
        case K::editBox:
        case K::superEditBox:
        case K::ipEditBox:
        case K::button:
            return true;
        default:
            return false;
    }
}

// The rows below keep one unit to a few lines, in stacking order within each parent.
// clang-format off

std::vector<UnitSpec> mainWindowUnits() {
    return {
        {.kind = K::graphicButton, .name = unit::banner,
         .left = 0, .top = 340, .width = 420, .height = 60, .cursor = CursorShape::hand},
        {.kind = K::label, .name = unit::supportLabel,
         .left = 227, .top = 3, .width = 176, .height = 19,
         .content = u8"有您的支持我们会做得更好!!!", .textColour = magenta},
        {.kind = K::tabControl, .name = unit::tabControl,
         .left = 0, .top = 0, .width = 420, .height = 400, .font = tabFont},
    };
}

std::vector<UnitSpec> tabPages() {
    auto page = [](UnitName name, std::u8string_view title, std::u8string_view hint) {
        return UnitSpec{.kind = K::tabPage, .name = name, .parent = unit::tabControl,
                        .left = 0, .top = 0, .width = 420, .height = 400,
                        .content = title, .hint = hint};
    };
    return {
        page(unit::instructionsPage, u8"说明", u8"Tesmolen使用说明"),
        page(unit::settingsPage, u8"设置", u8"功能设置"),
        page(unit::editorPage, u8"编辑规则", u8"屏蔽规则编写"),
        page(unit::donationPage, u8"捐助", u8"使Tesmolen获得更好的发展"),
    };
}

std::vector<UnitSpec> instructionsTab() {
    return {
        {.kind = K::groupBox, .name = unit::noticeBox, .parent = unit::instructionsPage,
         .left = 64, .top = 96, .width = 272, .height = 147,
         .content = u8"规则更新提示 15秒自动关闭", .background = gray},
        {.kind = K::editBox, .name = unit::noticeText, .parent = unit::noticeBox,
         .left = 8, .top = 16, .width = 256, .height = 123,
         .multiLine = true, .textColour = blue},
        {.kind = K::groupBox, .name = unit::instructionsGroup, .parent = unit::instructionsPage,
         .left = 0, .top = 24, .width = 420, .height = 315,
         .content = u8"Tesmolen使用说明", .background = gray},
        {.kind = K::transparentLabel, .name = unit::groupLabel, .parent = unit::instructionsGroup,
         .left = 97, .top = 288, .width = 144, .height = 22, .content = groupLabelText()},
        {.kind = K::graphicButton, .name = unit::groupButton, .parent = unit::instructionsGroup,
         .left = 233, .top = 288, .width = 90, .height = 22, .cursor = CursorShape::hand,
         .pictures = {":/pictures/group-button.gif"}},
        {.kind = K::editBox, .name = unit::instructionsText, .parent = unit::instructionsGroup,
         .left = 5, .top = 26, .width = 410, .height = 266, .content = instructionsText(),
         .enabled = false, .multiLine = true, .textColour = black, .background = gray},
    };
}

std::vector<UnitSpec> settingsTab() {
    // The row of command buttons along the bottom of the page.
    auto button = [](UnitName name, int left, int width, std::u8string_view caption,
                     CursorShape cursor) {
        return UnitSpec{.kind = K::button, .name = name, .parent = unit::settingsFrame,
                        .left = left, .top = 290, .width = width, .height = 24,
                        .content = caption, .cursor = cursor};
    };
    constexpr auto hand = CursorShape::hand;
    return {
        {.kind = K::shapeBox, .name = unit::settingsFrame, .parent = unit::settingsPage,
         .left = 0, .top = 24, .width = 420, .height = 315},
        {.kind = K::timer, .name = unit::noticeTimer, .parent = unit::settingsFrame,
         .left = 200, .top = 248, .width = 56, .height = 32, .visible = false},
        button(unit::saveButton, 358, 59, u8"保存设置", CursorShape::upArrow),
        button(unit::submitSiteButton, 300, 59, u8"提交网站", hand),
        button(unit::deleteAllButton, 242, 59, u8"删除全部", hand),
        button(unit::backupRestoreButton, 177, 65, u8"备份/还原", hand),
        button(unit::importButton, 118, 59, u8"导入规则", hand),
        button(unit::downloadButton, 59, 59, u8"下载规则", hand),
        button(unit::readButton, 0, 59, u8"读取", hand),
        // Covers the hint label below it while rules are loaded.
        {.kind = K::reportList, .name = unit::ruleList, .parent = unit::settingsFrame,
         .left = 0, .top = 0, .width = 418, .height = 292, .visible = false,
         .textColour = black, .background = white, .font = ruleListFont},
        {.kind = K::transparentLabel, .name = unit::hintLabel, .parent = unit::settingsFrame,
         .left = 6, .top = 137, .width = 408, .height = 40,
         .content = u8"请结合自己需要设置屏蔽效果,切记盲目跟风,造成使用不当.",
         .textColour = hintBlue, .font = hintFont},
        {.kind = K::commonDialog, .name = unit::fileDialog, .parent = unit::settingsPage,
         .left = 344, .top = 195, .width = 24, .height = 24, .visible = false},
    };
}

std::vector<UnitSpec> editorTab() {
    auto label = [](UnitName name, int left, int top, int width, int height,
                    std::u8string_view text) {
        return UnitSpec{.kind = K::transparentLabel, .name = name, .parent = unit::editorFrame,
                        .left = left, .top = top, .width = width, .height = height,
                        .content = text, .textColour = black};
    };
    auto button = [](UnitName name, int left, int top, int width, std::u8string_view caption,
                     bool enabled) {
        return UnitSpec{.kind = K::button, .name = name, .parent = unit::editorFrame,
                        .left = left, .top = top, .width = width, .height = 24,
                        .content = caption, .enabled = enabled};
    };
    return {
        {.kind = K::groupBox, .name = unit::editorFrame, .parent = unit::editorPage,
         .left = 0, .top = 24, .width = 420, .height = 315},
        label(unit::previewLabel, 40, 176, 88, 16, u8"屏蔽规则预览："),
        {.kind = K::superEditBox, .name = unit::previewBox, .parent = unit::editorFrame,
         .left = 40, .top = 197, .width = 304, .height = 115, .enabled = false,
         .multiLine = true},
        button(unit::clearIpButton, 272, 144, 72, u8"清空", true),
        {.kind = K::ipEditBox, .name = unit::ipBox, .parent = unit::editorFrame,
         .left = 96, .top = 144, .width = 176, .height = 24, .content = u8"0.0.0.0"},
        label(unit::ipLabel, 40, 144, 56, 24, u8"目标 IP："),
        label(unit::hostLabel, 40, 112, 56, 24, u8"屏蔽网址："),
        {.kind = K::editBox, .name = unit::hostBox, .parent = unit::editorFrame,
         .left = 96, .top = 112, .width = 176, .height = 24},
        button(unit::addEntryButton, 272, 112, 72, u8"添加单条", false),
        {.kind = K::editBox, .name = unit::siteNameBox, .parent = unit::editorFrame,
         .left = 96, .top = 64, .width = 248, .height = 24,
         .textColour = black, .background = white},
        label(unit::siteNameLabel, 40, 64, 56, 24, u8"网站名称："),
        button(unit::newRuleButton, 40, 24, 72, u8"新建规则", true),
        button(unit::endEditingButton, 144, 24, 88, u8"编辑结束", false),
        button(unit::exportButton, 256, 24, 88, u8"导出规则", false),
    };
}

std::vector<UnitSpec> donationTab() {
    return {
        {.kind = K::groupBox, .name = unit::disclaimerGroup, .parent = unit::donationPage,
         .left = 0, .top = 24, .width = 420, .height = 315,
         .content = u8"免责声明", .background = gray},
        // Hidden until asked for; then it covers the middle of the disclaimer.
        {.kind = K::graphicButton, .name = unit::qrPicture, .parent = unit::disclaimerGroup,
         .left = 82, .top = 9, .width = 256, .height = 256, .visible = false,
         .pictures = {":/pictures/payment-qr.jpg"}},
        {.kind = K::graphicButton, .name = unit::paymentButton, .parent = unit::disclaimerGroup,
         .left = 231, .top = 265, .width = 159, .height = 37, .cursor = CursorShape::hand,
         .pictures = {":/pictures/payment-normal.jpg", ":/pictures/payment-hover.jpg",
                      ":/pictures/payment-pressed.jpg"}},
        {.kind = K::button, .name = unit::qrButton, .parent = unit::disclaimerGroup,
         .left = 32, .top = 265, .width = 159, .height = 37,
         .content = u8"二维码支付", .cursor = CursorShape::hand},
        {.kind = K::editBox, .name = unit::disclaimerText, .parent = unit::disclaimerGroup,
         .left = 21, .top = 33, .width = 410, .height = 232, .content = disclaimerText(),
         .enabled = false, .multiLine = true, .textColour = black, .background = gray},
    };
}

// clang-format on

WindowLayout makeWindowLayout() {
    WindowLayout layout{
        .window = {.title = u8"Tesmolen",
                   .left = 50,
                   .top = 50,
                   .outerWidth = 423,
                   .outerHeight = 425,
                   .icon = ":/pictures/icon.ico"},
        .ruleListColumns = {{u8"项目", 40}, {u8"可屏蔽网站广告列表", 355}},
        .menus =
            {
                {unit::listMenu, {unit::deleteEntryItem}},
                {unit::backupRestoreMenu, {unit::restoreItem, unit::backupItem}},
                {unit::downloadMenu, {unit::cloudDriveItem, unit::officialDownloadItem}},
            },
        // The notice box is on the instructions tab and must be seen until it closes.
        .initialPage = 0,
    };
    for (auto part :
         {mainWindowUnits, tabPages, instructionsTab, settingsTab, editorTab, donationTab}) {
        for (UnitSpec& spec : part()) {
            spec.focusable = takesFocus(spec.kind);
            layout.units.push_back(spec);
        }
    }
    return layout;
}

}  // namespace

const WindowLayout& windowLayout() {
    static const WindowLayout layout = makeWindowLayout();
    return layout;
}

}  // namespace tesmolen
