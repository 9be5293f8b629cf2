#include "runtime/win32/win32_ui.hpp"

#include <commctrl.h>
#include <uxtheme.h>

#include <stdexcept>

#include "runtime/win32/message_box.hpp"
#include "runtime/win32/window_builder.hpp"
#include "ui/layout.hpp"

namespace tesmolen {

Win32Ui::Win32Ui() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                                       ICC_INTERNET_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

Win32Ui::~Win32Ui() {
    if (IsWindow(built_.window)) {
        SetWindowLongPtrW(built_.window, GWLP_USERDATA, 0);
        DestroyWindow(built_.window);
    }
}

Unit& Win32Ui::window() {
    if (!built_.windowUnit) throw std::logic_error("the main window has not been created");
    return *built_.windowUnit;
}

Unit& Win32Ui::unit(UnitName name) {
    return findUnit<Win32Unit>(built_.units, name);
}
ReportList& Win32Ui::list(UnitName name) {
    return findUnit<Win32ReportList>(built_.units, name);
}
GraphicButton& Win32Ui::graphicButton(UnitName name) {
    return findUnit<Win32GraphicButton>(built_.units, name);
}
Timer& Win32Ui::timer(UnitName name) {
    return findUnit<Win32Timer>(built_.units, name);
}
FileDialog& Win32Ui::fileDialog(UnitName name) {
    return findUnit<Win32FileDialog>(built_.units, name);
}

Answer Win32Ui::messageBox(const Text& text, MessageButtons buttons, const Text& title) {
    const BoxStyle style{.buttons = buttons};
    return showMessageBox({built_.window, text, title, style}, script_.answerTo(text, title, style));
}

void Win32Ui::popUpMenu(UnitName menu, ScreenPoint at) {
    auto found = built_.menus.find(menu);
    if (found == built_.menus.end()) noSuchUnit(menu);
    poppedUp_.emplace_back(menu);
    // A menu tracked for a window in the background would not close when the user clicks
    // elsewhere.
    SetForegroundWindow(built_.window);
    // While the script answers, the menu is shown and closed at once; the test then sends the
    // item's command as a choice would.
    if (script_.active) PostMessageW(built_.window, WM_CANCELMODE, 0, 0);
    TrackPopupMenuEx(found->second.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x,
                     at.y, built_.window, nullptr);
    PostMessageW(built_.window, WM_NULL, 0, 0);
}

ScreenPoint Win32Ui::mousePosition() const {
    POINT at{};
    GetCursorPos(&at);
    return {at.x, at.y};
}

void Win32Ui::switchVisualStyle() {
    // The controls were made in the classic look; from now on they take the system's theme.
    for (auto& [name, unit] : built_.units) {
        if (HWND control = unit->window()) SetWindowTheme(control, nullptr, nullptr);
    }
    if (built_.tabControl != nullptr) SetWindowTheme(built_.tabControl, nullptr, nullptr);
    RedrawWindow(built_.window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void Win32Ui::endProcess(int exitCode) {
    endedWith_ = exitCode;
    if (looping_) PostQuitMessage(exitCode);
}

void Win32Ui::createMainWindow(RaiseEvent raise) {
    raise_ = std::move(raise);
    built_ = WindowBuilder(windowLayout(), {.procedure = &Win32Ui::windowProcedure,
                                            .procedureData = this,
                                            .script = script_})
                 .build();
    selectPage(windowLayout().initialPage);
    tabSteps_.emplace(*this, windowLayout());
    dpiChange_ = DpiChange(windowDpi(built_.window));
}

void Win32Ui::showMainWindow() {
    ShowWindow(built_.window, SW_SHOWNORMAL);
    UpdateWindow(built_.window);
}

int Win32Ui::runMessageLoop() {
    looping_ = true;
    MSG message{};
    int exitCode = 0;
    while (true) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            exitCode = static_cast<int>(message.wParam);
            break;
        }
        if (got == -1) break;
        if (takeDialogKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    looping_ = false;
    return endedWith_.value_or(exitCode);
}

bool Win32Ui::takeDialogKey(MSG& message) {
    if (!IsWindow(built_.window)) return false;
    // Tab steps in the order of the screen; the arrow keys move between the controls, as in a
    // dialog.
    return (tabSteps_ && tabSteps_->step(message)) || IsDialogMessageW(built_.window, &message);
}

HWND Win32Ui::windowOf(UnitName name) const {
    auto found = built_.units.find(name);
    return found == built_.units.end() ? nullptr : found->second->window();
}

void Win32Ui::selectPage(int page) {
    if (built_.tabControl == nullptr) return;
    SendMessageW(built_.tabControl, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    showCurrentPage();
}

int Win32Ui::menuItemId(UnitName item) const {
    for (const auto& [id, name] : built_.menuItems) {
        if (name == item) return id;
    }
    return 0;
}

void Win32Ui::showCurrentPage() {
    const auto current = static_cast<std::size_t>(SendMessageW(built_.tabControl, TCM_GETCURSEL, 0, 0));
    for (std::size_t page = 0; page < built_.pages.size(); ++page) {
        ShowWindow(built_.pages[page], page == current ? SW_SHOWNA : SW_HIDE);
    }
}

void Win32Ui::raise(UnitName unit, UiEvent event) {
    if (raise_) raise_(unit, event);
    // A handler's rows are in the lists' views when it returns.
    publishRows();
}

void Win32Ui::publishRows() {
    for (auto& [view, list] : built_.lists) list->publishRows();
}

LRESULT CALLBACK Win32Ui::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* ui = static_cast<Win32Ui*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(ui));
    }
    auto* ui = reinterpret_cast<Win32Ui*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (ui == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return ui->handle(window, message, wParam, lParam);
}

LRESULT Win32Ui::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return colourControl(window, message, reinterpret_cast<HDC>(wParam),
                                 reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR: {
            auto found = built_.looks.find(reinterpret_cast<HWND>(wParam));
            if (LOWORD(lParam) == HTCLIENT && found != built_.looks.end() &&
                found->second.cursor != nullptr) {
                SetCursor(found->second.cursor);
                return TRUE;
            }
            break;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (lParam == 0) {
                auto item = built_.menuItems.find(id);
                if (item != built_.menuItems.end()) raise(item->second, UiEvent::chosen);
                return 0;
            }
            auto clicked = built_.clickables.find(id);
            if (HIWORD(wParam) == BN_CLICKED && clicked != built_.clickables.end()) {
                raise(clicked->second, UiEvent::click);
            }
            return 0;
        }
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (notify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
            break;
        }
        case WM_TIMER: {
            auto ticked = built_.timers.find(wParam);
            if (ticked != built_.timers.end()) raise(ticked->second, UiEvent::timerTick);
            return 0;
        }
        case WM_DPICHANGED:
            // The units' places below the tab strip grow with it.
            for (auto& [name, unit] : built_.units) {
                const POINT origin = unit->origin();
                unit->setOrigin({MulDiv(origin.x, LOWORD(wParam), dpiChange_.dpi()),
                                 MulDiv(origin.y, LOWORD(wParam), dpiChange_.dpi())});
            }
            dpiChange_.apply(built_.window, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case publishRowsMessage:
            publishRows();
            return 0;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            if (looping_) PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool Win32Ui::notify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom == built_.tabControl && header.code == TCN_SELCHANGE) {
        showCurrentPage();
        return true;
    }
    auto list = built_.lists.find(header.hwndFrom);
    if (list == built_.lists.end()) return false;
    switch (header.code) {
        case LVN_GETDISPINFOW:
            list->second->describeItem(
                *reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
            return true;
        case NM_RCLICK:
        // A second right click soon after the first is one too, not a gesture of its own; and
        // as the list has nothing to drag, a right click whose pointer slipped a few pixels
        // (which the view takes for the start of a drag) is a right click as well.
        case NM_RDBLCLK:
        case LVN_BEGINRDRAG:
            for (auto& [name, unit] : built_.units) {
                if (unit.get() == list->second) raise(name, UiEvent::rightClick);
            }
            result = 0;
            return true;
        default:
            return false;
    }
}

LRESULT Win32Ui::colourControl(HWND window, UINT message, HDC dc, HWND control) {
    const LRESULT system = DefWindowProcW(window, message, reinterpret_cast<WPARAM>(dc),
                                          reinterpret_cast<LPARAM>(control));
    auto found = built_.looks.find(control);
    if (found == built_.looks.end()) return system;
    const ControlLook& look = found->second;
    if (look.textColour) SetTextColor(dc, *look.textColour);
    // Labels and pictures show what lies under them; so do edit boxes that only display their
    // text, and push buttons around their edges.
    const bool showsAround = look.transparent || message == WM_CTLCOLORBTN ||
                             (look.editBox && message == WM_CTLCOLORSTATIC);
    if (showsAround && look.around != nullptr) {
        SetBkMode(dc, TRANSPARENT);
        SetBkColor(dc, look.aroundColour);
        return reinterpret_cast<LRESULT>(look.around);
    }
    if (look.background != nullptr) {
        SetBkColor(dc, look.backgroundColour);
        return reinterpret_cast<LRESULT>(look.background);
    }
    return system;
}

}  // namespace tesmolen
