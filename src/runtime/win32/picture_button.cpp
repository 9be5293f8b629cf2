#include "runtime/win32/picture_button.hpp"

#include <utility>

namespace tesmolen {

namespace {

constexpr wchar_t className[] = L"TesmolenPictureButton";

void registerClass() {
    static const bool registered = [] {
        WNDCLASSW type{};
        type.lpfnWndProc = DefWindowProcW;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = className;
        return RegisterClassW(&type) != 0;
    }();
    (void)registered;
}

}  // namespace

PictureButton::PictureButton(HWND parent, int id, RECT place) {
    registerClass();
    window_ = CreateWindowExW(0, className, L"", WS_CHILD | WS_CLIPSIBLINGS, place.left, place.top,
                              place.right - place.left, place.bottom - place.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&procedure));
}

PictureButton::~PictureButton() {
    if (IsWindow(window_)) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

void PictureButton::setPicture(int slot, Picture picture) {
    if (slot < 1 || slot > 4) return;
    pictures_[static_cast<std::size_t>(slot - 1)] = std::move(picture);
    InvalidateRect(window_, nullptr, TRUE);
}

bool PictureButton::hasPicture(int slot) const {
    return slot >= 1 && slot <= 4 &&
           static_cast<bool>(pictures_[static_cast<std::size_t>(slot - 1)]);
}

int PictureButton::shownSlot() const {
    int slot = 1;
    if (!IsWindowEnabled(window_)) {
        slot = 4;
    } else if (pressed_ && hover_) {
        slot = 3;
    } else if (hover_) {
        slot = 2;
    }
    if (!hasPicture(slot)) slot = 1;
    return hasPicture(slot) ? slot : 0;
}

LRESULT CALLBACK PictureButton::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* button = reinterpret_cast<PictureButton*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (button == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return button->handle(message, wParam, lParam);
}

LRESULT PictureButton::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // paint draws every pixel
        case WM_MOUSEMOVE:
            if (!hover_) {
                hover_ = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
                TrackMouseEvent(&track);
                InvalidateRect(window_, nullptr, FALSE);
            }
            return 0;
        case WM_MOUSELEAVE:
            hover_ = false;
            InvalidateRect(window_, nullptr, FALSE);
            return 0;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            hover_ = true;
            SetCapture(window_);
            InvalidateRect(window_, nullptr, FALSE);
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = pressed_;
            pressed_ = false;
            if (GetCapture() == window_) ReleaseCapture();
            RECT inside;
            GetClientRect(window_, &inside);
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            hover_ = PtInRect(&inside, at) != FALSE;
            InvalidateRect(window_, nullptr, FALSE);
            if (wasPressed && hover_) {
                SendMessageW(GetParent(window_), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(window_), BN_CLICKED),
                             reinterpret_cast<LPARAM>(window_));
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            InvalidateRect(window_, nullptr, FALSE);
            return 0;
        case WM_ENABLE:
            InvalidateRect(window_, nullptr, FALSE);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void PictureButton::paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT area;
    GetClientRect(window_, &area);
    const int slot = shownSlot();
    if (slot == 0) {
        // Nothing to show: the parent's background, as its controls would get it.
        auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window_), WM_CTLCOLORSTATIC,
                                                           reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(window_)));
        FillRect(dc, &area, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    } else {
        const Picture& picture = pictures_[static_cast<std::size_t>(slot - 1)];
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, picture.bitmap.get());
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, area.right, area.bottom, source, 0, 0, picture.width, picture.height,
                   SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
    EndPaint(window_, &paint);
}

}  // namespace tesmolen
