#include "gui_window.hpp"

#include <commctrl.h>

#include "runtime/codepage.hpp"
#include "runtime/wide_text.hpp"
#include "ui/layout.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen::testing {

bool pumpUntil(const std::function<bool()>& condition) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limit) return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (!condition()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

GuiWindow::GuiWindow() {
    ui.createMainWindow([this](UnitName unit, UiEvent event) {
        raised.emplace_back(unit, event);
        raiseEvent(program, eventBindings(), unit, event);
    });
    program.state.titleText = "Tesmolen";
    ui.dialogScript().active = true;
    ownedBoxes.active = true;
    ui.showMainWindow();
    SetForegroundWindow(ui.mainWindow());
    pumpUntil([this] { return IsWindowVisible(ui.mainWindow()) != FALSE; });
}

Text GuiWindow::textOnScreen(UnitName name) {
    std::wstring shown(static_cast<std::size_t>(GetWindowTextLengthW(control(name))) + 1, L'\0');
    shown.resize(static_cast<std::size_t>(
        GetWindowTextW(control(name), shown.data(), static_cast<int>(shown.size()))));
    return wideToGbk(shown);
}

void GuiWindow::click(UnitName button) {
    HWND window = control(button);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(IsWindowEnabled(window)) << "a user cannot click a disabled button";
    SendMessageW(window, BM_CLICK, 0, 0);
}

void GuiWindow::type(UnitName box, const std::wstring& text) {
    HWND window = control(box);
    ASSERT_NE(window, nullptr);
    SetFocus(window);
    for (wchar_t c : text) SendMessageW(window, WM_CHAR, c, 1);
}

void GuiWindow::rightClickRow(int row) {
    HWND view = control(unit::ruleList);
    ASSERT_TRUE(IsWindowVisible(view));
    RECT cell{};
    cell.left = LVIR_LABEL;
    ASSERT_TRUE(SendMessageW(view, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                             reinterpret_cast<LPARAM>(&cell)));
    POINT at{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(view, &at);
    SetForegroundWindow(ui.mainWindow());
    ASSERT_TRUE(pumpUntil([&] {
        return GetForegroundWindow() == ui.mainWindow() && WindowFromPoint(at) == view;
    })) << "the row is not on top of the screen";
    // The pointer moves to the row in the same input as the click, so that no pointer motion of
    // the display comes between.
    INPUT clicks[3]{};
    for (INPUT& input : clicks) input.type = INPUT_MOUSE;
    clicks[0].mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    clicks[0].mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    clicks[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    clicks[1].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    clicks[2].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    const std::size_t eventsBefore = raised.size();
    ASSERT_EQ(SendInput(3, clicks, sizeof(INPUT)), 3u);
    ASSERT_TRUE(pumpUntil([&] { return raised.size() > eventsBefore; }))
        << "the list raised no event";
}

void GuiWindow::choose(UnitName item) {
    const int id = ui.menuItemId(item);
    ASSERT_NE(id, 0);
    SendMessageW(ui.mainWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::wstring GuiWindow::shownCell(int row, int column) {
    wchar_t text[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 512;
    SendMessageW(control(unit::ruleList), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    return text;
}

int GuiWindow::shownRows() {
    return static_cast<int>(SendMessageW(control(unit::ruleList), LVM_GETITEMCOUNT, 0, 0));
}

std::vector<Text> GuiWindow::bodies() {
    std::vector<Text> rows;
    ReportList& list = ui.list(unit::ruleList);
    for (int row = 0; row < list.rowCount(); ++row) rows.push_back(list.cell(row, 1));
    return rows;
}

void GuiWindow::press(wchar_t key, bool shift) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG message{};
    message.hwnd = GetFocus();
    message.message = key == L'\t' ? WM_KEYDOWN : WM_CHAR;
    message.wParam = key == L'\t' ? VK_TAB : key;
    if (!ui.takeDialogKey(message)) DispatchMessageW(&message);
}

Text GuiWindow::focused() {
    HWND focus = GetFocus();
    for (const UnitSpec& spec : windowLayout().units) {
        HWND unit = control(spec.name);
        if (spec.focusable && unit != nullptr && (unit == focus || IsChild(unit, focus))) {
            return gbk(spec.name);
        }
    }
    return {};
}

}  // namespace tesmolen::testing
