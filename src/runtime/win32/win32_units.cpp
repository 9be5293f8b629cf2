#include "runtime/win32/win32_units.hpp"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "runtime/cell_line.hpp"
#include "runtime/codepage.hpp"
#include "runtime/win32/file_dialog.hpp"
#include "runtime/win32/picture_button.hpp"
#include "runtime/win32/win32_pictures.hpp"

namespace tesmolen {

namespace {

// A multi-line edit control breaks lines only at "\r\n"; a lone "\r" or "\n" becomes one.
std::wstring withCrLf(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
            out += L"\r\n";
            ++i;
        } else if (c == L'\r' || c == L'\n') {
            out += L"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Four dot-separated numbers of 0..255, or nothing.
std::optional<DWORD> parseAddress(const std::wstring& text) {
    unsigned parts[4];
    wchar_t end = 0;
    if (swscanf(text.c_str(), L"%u.%u.%u.%u%lc", &parts[0], &parts[1], &parts[2], &parts[3],
                &end) != 4 ||
        text.find_first_not_of(L"0123456789.") != std::wstring::npos) {
        return std::nullopt;
    }
    if (std::any_of(std::begin(parts), std::end(parts), [](unsigned p) { return p > 255; })) {
        return std::nullopt;
    }
    return static_cast<DWORD>(MAKEIPADDRESS(parts[0], parts[1], parts[2], parts[3]));
}

std::wstring addressText(DWORD address) {
    wchar_t text[16];
    swprintf(text, 16, L"%u.%u.%u.%u", FIRST_IPADDRESS(address), SECOND_IPADDRESS(address),
             THIRD_IPADDRESS(address), FOURTH_IPADDRESS(address));
    return text;
}

}  // namespace

Win32Unit::Win32Unit(UnitPlace place) : place_(place) {}

bool Win32Unit::visible() const {
    if (place_.window == nullptr) return false;
    if (GetParent(place_.window) == nullptr) return IsWindowVisible(place_.window) != FALSE;
    return (GetWindowLongW(place_.window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Unit::setVisible(bool visible) {
    if (place_.window != nullptr) ShowWindow(place_.window, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Unit::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (place_.window == nullptr) return;
    if (disabledAsReadOnly_) {
        // A read-only edit box asks for its colours as a static text does, and so takes the
        // background of the window around it, as a disabled one would.
        SendMessageW(place_.window, EM_SETREADONLY, enabled ? FALSE : TRUE, 0);
        InvalidateRect(place_.window, nullptr, TRUE);
    } else {
        EnableWindow(place_.window, enabled ? TRUE : FALSE);
    }
}

POINT Win32Unit::position() const {
    if (place_.window == nullptr) return place_.stored;
    RECT rect;
    GetWindowRect(place_.window, &rect);
    POINT corner{rect.left, rect.top};
    if (HWND parent = GetParent(place_.window)) ScreenToClient(parent, &corner);
    return {corner.x + place_.origin.x, corner.y + place_.origin.y};
}

int Win32Unit::left() const {
    return position().x;
}

int Win32Unit::top() const {
    return position().y;
}

bool Win32Unit::multiLine() const {
    return place_.window != nullptr &&
           (GetWindowLongW(place_.window, GWL_STYLE) & ES_MULTILINE) != 0;
}

std::wstring Win32Unit::shown() const {
    switch (place_.text) {
        case TextPlace::windowText:
            return windowText(place_.window);
        case TextPlace::ipAddress: {
            if (SendMessageW(place_.window, IPM_ISBLANK, 0, 0) != 0) return {};
            DWORD address = 0;
            SendMessageW(place_.window, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
            return addressText(address);
        }
        case TextPlace::none:
            break;
    }
    return {};
}

void Win32Unit::show(const std::wstring& text) {
    switch (place_.text) {
        case TextPlace::windowText:
            SetWindowTextW(place_.window, text.c_str());
            break;
        case TextPlace::ipAddress:
            if (std::optional<DWORD> address = parseAddress(text)) {
                SendMessageW(place_.window, IPM_SETADDRESS, 0, static_cast<LPARAM>(*address));
            } else {
                SendMessageW(place_.window, IPM_CLEARADDRESS, 0, 0);
            }
            break;
        case TextPlace::none:
            break;
    }
}

Text Win32Unit::text() const {
    if (place_.text == TextPlace::none || place_.window == nullptr) return kept_.bytes();
    return kept_.text(shown(), [](const std::wstring& now) { return wideToGbk(now); });
}

void Win32Unit::setText(const Text& text) {
    if (place_.text == TextPlace::none || place_.window == nullptr) {
        kept_.keep(text);
        return;
    }
    const std::wstring display = multiLine() ? withCrLf(gbkToWide(text)) : gbkToWide(text);
    show(display);
    kept_.keep(text, display, shown());
}

Win32ReportList::Win32ReportList(HWND view) : Win32Unit({.window = view}) {}

void Win32ReportList::deleteAllRows() {
    rows_.clear();
    published_ = 0;
    SendMessageW(window(), LVM_SETITEMCOUNT, 0, 0);
}

int Win32ReportList::appendRow(const Text& column0) {
    // The view learns of new rows in one batch (publishRows): announcing 100,000 rows one by one
    // costs it more than storing them.
    if (!publishQueued_) {
        publishQueued_ = true;
        PostMessageW(GetAncestor(window(), GA_ROOT), publishRowsMessage, 0, 0);
    }
    return rows_.appendRow(column0);
}

bool Win32ReportList::publishRows() {
    publishQueued_ = false;
    if (published_ == rows_.rowCount()) return false;
    const bool grown = published_ < rows_.rowCount();
    published_ = rows_.rowCount();
    SendMessageW(window(), LVM_SETITEMCOUNT, static_cast<WPARAM>(published_),
                 grown ? LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL : 0);
    return true;
}

void Win32ReportList::setCell(int row, int column, Text text) {
    if (row < 0 || row >= rows_.rowCount() || column < 0 || column > 1) return;
    rows_.setCell(row, column, text);
    if (row < published_) SendMessageW(window(), LVM_REDRAWITEMS, row, row);
}

Text Win32ReportList::cell(int row, int column) const {
    return rows_.cell(row, column);
}

void Win32ReportList::deleteRow(int row) {
    publishRows();
    if (!rows_.deleteRow(row)) return;
    published_ = rows_.rowCount();
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(window(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&state));
    SendMessageW(window(), LVM_SETITEMCOUNT, static_cast<WPARAM>(published_), 0);
    if (const int selected = rows_.selectionAfterDelete(row); selected >= 0) {
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(window(), LVM_SETITEMSTATE, static_cast<WPARAM>(selected),
                     reinterpret_cast<LPARAM>(&state));
    }
    InvalidateRect(window(), nullptr, TRUE);
}

int Win32ReportList::selectedRow() const {
    const auto row = static_cast<int>(
        SendMessageW(window(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row < rows_.rowCount() ? row : -1;
}

void Win32ReportList::describeItem(NMLVDISPINFOW& info) const {
    LVITEMW& item = info.item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return;
    // No GBK character is more than one UTF-16 unit, and the cut mark takes the last one.
    const std::size_t room = static_cast<std::size_t>(item.cchTextMax) - 1;
    const std::wstring shown =
        gbkToWide(cellLine(rows_.cellView(item.iItem, item.iSubItem), room > 0 ? room - 1 : 0));
    const std::size_t length = std::min(shown.size(), room);
    std::copy_n(shown.data(), length, item.pszText);
    item.pszText[length] = L'\0';
}

Win32GraphicButton::Win32GraphicButton(PictureButton& button, COLORREF background)
    : Win32Unit({.window = button.window()}), button_(button), background_(background) {}

void Win32GraphicButton::setPicture(int slot, const Bytes& image) {
    button_.setPicture(slot, decodePicture(image, background_));
}

bool Win32GraphicButton::hasPicture(int slot) const {
    return button_.hasPicture(slot);
}

Win32Timer::Win32Timer(HWND owner, UINT_PTR id, POINT stored)
    : Win32Unit({.stored = stored}), owner_(owner), id_(id) {}

void Win32Timer::setPeriod(int milliseconds) {
    period_ = milliseconds;
    if (milliseconds > 0) {
        SetTimer(owner_, id_, static_cast<UINT>(milliseconds), nullptr);
    } else {
        KillTimer(owner_, id_);
    }
}

Win32FileDialog::Win32FileDialog(HWND owner, DialogScript& script, POINT stored)
    : Win32Unit({.stored = stored}), owner_(owner), script_(script) {}

bool Win32FileDialog::show() {
    std::optional<Text> choice =
        script_.active ? script_.takeFileChoice() : runFileDialog(owner_, settings());
    if (!choice) return false;
    chosen_ = *choice;
    return true;
}

}  // namespace tesmolen
