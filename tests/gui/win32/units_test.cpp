// The window's units over their controls: the table's geometry and stacking, kept bytes, the IP
// box, the stored pictures.

#include "gui_window.hpp"
// After gui_window.hpp, which brings windows.h.
#include <commctrl.h>
#include <dlgs.h>

#include "runtime/codepage.hpp"
#include "support/report_list_contract.hpp"
#include "runtime/win32/file_dialog.hpp"
#include "ui/layout.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using namespace std::string_literals;
using Units = testing::GuiWindow;

// Bytes that are not GBK: a lone lead byte, a lead byte before a blank, a byte no GBK text has.
const Bytes notGbk = "\x81\x20\xFF rule\r\nline\x81"s;

// True when upper lies above lower among their siblings.
bool liesAbove(HWND upper, HWND lower) {
    for (HWND below = GetWindow(upper, GW_HWNDNEXT); below != nullptr;
         below = GetWindow(below, GW_HWNDNEXT)) {
        if (below == lower) return true;
    }
    return false;
}

TEST_F(Units, EveryControlHasTheTablesRectangle) {
    int checked = 0;
    for (const UnitSpec& spec : windowLayout().units) {
        HWND window = control(spec.name);
        if (window == nullptr || spec.kind == UnitKind::tabPage) continue;
        const Unit& unit = ui.unit(spec.name);
        EXPECT_EQ(unit.left(), spec.left) << reinterpret_cast<const char*>(spec.name.data());
        EXPECT_EQ(unit.top(), spec.top) << reinterpret_cast<const char*>(spec.name.data());
        // A unit that the table lets reach past its container ends inside it.
        RECT placed;
        GetWindowRect(window, &placed);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&placed), 2);
        RECT room;
        GetClientRect(GetParent(window), &room);
        const bool cut = !spec.parent.empty() && (placed.right - placed.left < spec.width ||
                                                  placed.bottom - placed.top < spec.height);
        if (!spec.parent.empty()) {
            EXPECT_LE(placed.right, room.right) << reinterpret_cast<const char*>(spec.name.data());
            EXPECT_LE(placed.bottom, room.bottom);
        }
        if (!cut) {
            EXPECT_EQ(placed.right - placed.left, spec.width);
            EXPECT_EQ(placed.bottom - placed.top, spec.height);
        }
        ++checked;
    }
    EXPECT_GT(checked, 30);
}

TEST_F(Units, AtTwiceTheDpiEveryControlAndFontIsTwiceAsLarge) {
    RECT place{0, 0, 846, 850};
    SendMessageW(ui.mainWindow(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&place));
    for (const UnitSpec& spec : windowLayout().units) {
        if (control(spec.name) == nullptr || spec.kind == UnitKind::tabPage) continue;
        EXPECT_EQ(ui.unit(spec.name).left(), 2 * spec.left);
        EXPECT_EQ(ui.unit(spec.name).top(), 2 * spec.top);
    }
    RECT box;
    GetWindowRect(control(unit::hostBox), &box);
    EXPECT_EQ(box.right - box.left, 2 * 176);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(unit::hostBox), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -24);
}

TEST_F(Units, EarlierUnitsOfAParentLieAbove) {
    EXPECT_TRUE(liesAbove(control(unit::noticeBox), control(unit::instructionsGroup)));
    EXPECT_TRUE(liesAbove(control(unit::ruleList), control(unit::hintLabel)));
    EXPECT_TRUE(liesAbove(control(unit::qrPicture), control(unit::disclaimerText)));
    EXPECT_TRUE(liesAbove(control(unit::banner), control(unit::tabControl)));
    EXPECT_TRUE(liesAbove(control(unit::supportLabel), control(unit::tabControl)));
}

TEST_F(Units, CursorsAreTheTablesOverTheirUnits) {
    auto cursorOver = [this](UnitName name) {
        HWND window = control(name);
        SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    ui.selectPage(1);
    EXPECT_EQ(cursorOver(unit::readButton), LoadCursorW(nullptr, IDC_HAND));
    EXPECT_EQ(cursorOver(unit::saveButton), LoadCursorW(nullptr, IDC_UPARROW));
    EXPECT_EQ(cursorOver(unit::banner), LoadCursorW(nullptr, IDC_HAND));
    ui.selectPage(2);
    EXPECT_EQ(cursorOver(unit::newRuleButton), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(Units, StoredPicturesFillTheirSlots) {
    EXPECT_TRUE(ui.graphicButton(unit::groupButton).hasPicture(1));
    EXPECT_TRUE(ui.graphicButton(unit::qrPicture).hasPicture(1));
    GraphicButton& payment = ui.graphicButton(unit::paymentButton);
    EXPECT_TRUE(payment.hasPicture(1));
    EXPECT_TRUE(payment.hasPicture(2));
    EXPECT_TRUE(payment.hasPicture(3));
    EXPECT_FALSE(payment.hasPicture(4));
    EXPECT_FALSE(ui.graphicButton(unit::banner).hasPicture(1));
}

TEST_F(Units, TheRuleListSelectsTheRowThatTookTheDeletedRowsPlace) {
    testing::expectSelectionFollowsDeletes(ui.list(unit::ruleList));
}

TEST_F(Units, ReportListCellsGiveBackTheExactBytesSet) {
    ReportList& list = ui.list(unit::ruleList);
    const int row = list.appendRow("1");
    list.setCell(row, 1, notGbk);
    EXPECT_EQ(list.cell(row, 1), notGbk);
    EXPECT_EQ(list.cell(row, 2), "");
    EXPECT_EQ(list.cell(row + 1, 0), "");
    // The view learns of appended rows once control is back in the message loop.
    EXPECT_EQ(shownRows(), 0);
    ASSERT_TRUE(testing::pumpUntil([this] { return shownRows() == 1; }));
    const std::wstring shown = shownCell(row, 1);
    EXPECT_EQ(shown.find_first_of(L"\r\n"), std::wstring::npos) << "one line per row";
    EXPECT_NE(shown.find(L"rule\u2193line"), std::wstring::npos);
}

TEST_F(Units, LongCellsShowTheirStartOnOneBoundedLine) {
    Text chinese;
    for (int i = 0; i < 500; ++i) chinese += gbk(u8"中");
    Text tenMegabytes(10 << 20, 'x');
    tenMegabytes.replace(0, 6, "site\r\n");
    const struct {
        Text cell;
        std::wstring start;
        std::size_t length;  // of what the view is given into a buffer of 512 characters
    } cases[] = {
        {Text(500, 'a'), std::wstring(500, L'a'), 500},
        {chinese, std::wstring(255, L'中') + L"\u2026", 256},
        {tenMegabytes, L"site\u2193xxx", 510},
    };
    ReportList& list = ui.list(unit::ruleList);
    for (const auto& c : cases) list.setCell(list.appendRow("1"), 1, c.cell);
    ASSERT_TRUE(testing::pumpUntil([this] { return shownRows() == 3; }));
    for (int row = 0; row < 3; ++row) {
        const std::wstring shown = shownCell(row, 1);
        EXPECT_EQ(shown.substr(0, cases[row].start.size()), cases[row].start) << row;
        EXPECT_EQ(shown.size(), cases[row].length) << row;
        EXPECT_EQ(list.cell(row, 1), cases[row].cell) << row;
    }
    EXPECT_EQ(shownCell(2, 1).back(), L'\u2026') << "the cut is marked";
}

TEST_F(Units, EditBoxesKeepTheirBytesUntilTheUserTypes) {
    Unit& site = ui.unit(unit::siteNameBox);
    site.setText(notGbk);
    EXPECT_EQ(site.text(), notGbk);
    SendMessageW(control(unit::siteNameBox), EM_SETSEL, 0, -1);
    type(unit::siteNameBox, L"新网站");
    EXPECT_EQ(site.text(), "\xD0\xC2\xCD\xF8\xD5\xBE");

    Unit& preview = ui.unit(unit::previewBox);
    preview.setText("a\nb\r\nc"s);
    wchar_t shown[32] = {};
    GetWindowTextW(control(unit::previewBox), shown, 32);
    EXPECT_EQ(std::wstring(shown), L"a\r\nb\r\nc") << "each line end shows as a break";
    EXPECT_EQ(preview.text(), "a\nb\r\nc");
}

TEST_F(Units, TheIpBoxGivesItsDottedAddressOrNothing) {
    Unit& ip = ui.unit(unit::ipBox);
    EXPECT_EQ(ip.text(), "0.0.0.0");
    ip.setText("192.168.001.1");
    EXPECT_EQ(ip.text(), "192.168.1.1") << "the box shows the address in its own way";
    ip.setText("not an address");
    EXPECT_EQ(ip.text(), "");
    SendMessageW(control(unit::ipBox), IPM_SETADDRESS, 0, MAKEIPADDRESS(10, 0, 0, 7));
    EXPECT_EQ(ip.text(), "10.0.0.7");
}

TEST_F(Units, PicturesAreClickedWithTheMouse) {
    auto clickPicture = [this](UnitName name) {
        HWND picture = control(name);
        SendMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    };
    ui.selectPage(3);
    click(unit::qrButton);
    EXPECT_TRUE(IsWindowVisible(control(unit::qrPicture)));
    clickPicture(unit::qrPicture);
    EXPECT_FALSE(IsWindowVisible(control(unit::qrPicture)));

    // A press that is let go outside the picture is no click.
    HWND banner = control(unit::banner);
    SendMessageW(banner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(banner, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
    EXPECT_TRUE(shell.openedPages.empty());
    clickPicture(unit::banner);
    ASSERT_EQ(shell.openedPages.size(), 1u);
    EXPECT_NE(shell.openedPages[0].find("/kovrel/ad/ads.html"), Text::npos);
}

// The system's file dialog as the user meets it: the hook reads its title, types a name without
// extension into its file name box and confirms.
struct DialogAnswer {
    std::wstring typed;
    std::wstring title;
} dialogAnswer;

LRESULT CALLBACK answerFileDialog(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && dialogAnswer.title.empty()) {
        auto dialog = reinterpret_cast<HWND>(wParam);
        wchar_t kind[16] = {};
        GetClassNameW(dialog, kind, 16);
        if (lstrcmpW(kind, L"#32770") == 0) {
            wchar_t title[128] = {};
            GetWindowTextW(dialog, title, 128);
            dialogAnswer.title = title[0] != 0 ? title : L"(none)";
            SetDlgItemTextW(dialog, cmb13, dialogAnswer.typed.c_str());
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Units, TheSystemsSaveDialogTakesTheSettings) {
    FileDialog& dialog = ui.fileDialog(unit::fileDialog);
    dialog.setKind(FileDialogKind::save);
    dialog.setTitle("\xB5\xBC\xB3\xF6");  // 导出
    dialog.setFilter("\xC6\xC1\xB1\xCE\xB9\xE6\xD4\xF2(*.ad)|*.ad");
    dialog.setInitialFolder(temp.path(""));
    dialog.setDefaultExtension("ad");
    dialogAnswer = {gbkToWide(temp.path("exported")), {}};
    ui.dialogScript().active = false;
    HHOOK hook = SetWindowsHookExW(WH_CBT, answerFileDialog, nullptr, GetCurrentThreadId());
    const bool confirmed = dialog.show();
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(dialogAnswer.title, L"导出");
    ASSERT_TRUE(confirmed);
    EXPECT_EQ(dialog.chosenFile(), temp.path("exported.ad")) << "the default extension is added";
}

TEST(FileDialogFilter, BarsBecomeTheZerosTheCommonDialogWants) {
    using namespace std::string_literals;
    EXPECT_EQ(win32Filter("\xC6\xC1\xB1\xCE\xB9\xE6\xD4\xF2(*.ad)|*.ad"),
              L"屏蔽规则(*.ad)\0*.ad\0\0"s);
    EXPECT_EQ(win32Filter("A|*.a|B|*.b;*.c"), L"A\0*.a\0B\0*.b;*.c\0\0"s);
    EXPECT_EQ(win32Filter("Only a name"), L"Only a name\0\0\0"s) << "a name without pattern";
    EXPECT_EQ(win32Filter(""), L""s);
}

}  // namespace
}  // namespace tesmolen
