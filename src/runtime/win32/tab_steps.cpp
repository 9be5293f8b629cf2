#include "runtime/win32/tab_steps.hpp"

#include <commctrl.h>

#include <algorithm>

#include "runtime/win32/win32_ui.hpp"
#include "ui/tab_order.hpp"

namespace tesmolen {

TabSteps::TabSteps(Win32Ui& ui, const WindowLayout& layout) : window_(ui.mainWindow()) {
    for (UnitName name : unitsInTabOrder(layout)) {
        HWND control = ui.windowOf(name);
        if (control == nullptr) continue;
        const bool ipBox =
            std::any_of(layout.units.begin(), layout.units.end(), [name](const UnitSpec& spec) {
                return spec.name == name && spec.kind == UnitKind::ipEditBox;
            });
        steps_.push_back({control, &ui.unit(name), ipBox});
    }
}

bool TabSteps::step(const MSG& message) const {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    if (message.hwnd != window_ && IsChild(window_, message.hwnd) == FALSE) return false;
    const bool backwards = GetKeyState(VK_SHIFT) < 0;

    // The unit that has the keyboard (the IP box when one of its fields has it), and those that
    // can take it now.
    const HWND focus = GetFocus();
    std::size_t current = steps_.size();
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        const Step& step = steps_[i];
        if (step.window == focus || IsChild(step.window, focus)) current = i;
        if (IsWindowVisible(step.window) && step.unit->enabled()) open.push_back(i);
    }
    if (open.empty()) return true;
    std::size_t next = backwards ? open.back() : open.front();
    if (current < steps_.size()) {
        if (!backwards) {
            auto after = std::upper_bound(open.begin(), open.end(), current);
            if (after != open.end()) next = *after;
        } else {
            auto at = std::lower_bound(open.begin(), open.end(), current);
            if (at != open.begin()) next = *(at - 1);
        }
    }

    const Step& target = steps_[next];
    // As in a dialog: the focus shows from now on, and an edit box's text is selected.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SetFocus(target.window);
    if (target.ipBox) {
        SendMessageW(target.window, IPM_SETFOCUS, 0, 0);
    } else if ((SendMessageW(target.window, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        SendMessageW(target.window, EM_SETSEL, 0, -1);
    }
    return true;
}

}  // namespace tesmolen
