#include "runtime/win32/dpi_scale.hpp"

#include <commctrl.h>

#include <map>

namespace tesmolen {

int windowDpi(HWND window) {
    using DpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (found != nullptr) {
        // Through a pointer of no type: the compiler warns of a cast between two function types.
        const auto dpiForWindow =
            reinterpret_cast<DpiForWindowFunction>(reinterpret_cast<void (*)()>(found));
        if (const UINT dpi = dpiForWindow(window); dpi != 0) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : layoutDpi;
}

UnitSpec atDpi(UnitSpec spec, int dpi) {
    spec.left = atDpi(spec.left, dpi);
    spec.top = atDpi(spec.top, dpi);
    spec.width = atDpi(spec.width, dpi);
    spec.height = atDpi(spec.height, dpi);
    if (spec.font) spec.font->pixelHeight = atDpi(spec.font->pixelHeight, dpi);
    return spec;
}

namespace {

struct Rescale {
    int from;
    int to;
    std::map<HFONT, HFONT> fonts;
    std::vector<OwnedFont> made;

    int length(int value) const { return MulDiv(value, to, from); }

    HFONT font(HFONT old) {
        auto [found, added] = fonts.try_emplace(old, nullptr);
        if (added) {
            LOGFONTW look{};
            GetObjectW(old, sizeof look, &look);
            look.lfHeight = length(look.lfHeight);
            made.emplace_back(CreateFontIndirectW(&look));
            found->second = made.back().get();
        }
        return found->second;
    }

    void control(HWND window) {
        RECT place;
        GetWindowRect(window, &place);
        MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
        SetWindowPos(window, nullptr, length(place.left), length(place.top),
                     length(place.right - place.left), length(place.bottom - place.top),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (auto old = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0))) {
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font(old)), TRUE);
        }
        wchar_t kind[32] = {};
        GetClassNameW(window, kind, 32);
        if (lstrcmpiW(kind, WC_LISTVIEWW) != 0) return;
        HWND header = reinterpret_cast<HWND>(SendMessageW(window, LVM_GETHEADER, 0, 0));
        const auto columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
        for (int column = 0; column < columns; ++column) {
            const auto width =
                static_cast<int>(SendMessageW(window, LVM_GETCOLUMNWIDTH, column, 0));
            SendMessageW(window, LVM_SETCOLUMNWIDTH, column, length(width));
        }
    }

    static BOOL CALLBACK each(HWND window, LPARAM rescale) {
        reinterpret_cast<Rescale*>(rescale)->control(window);
        return TRUE;
    }
};

}  // namespace

void DpiChange::apply(HWND window, int dpi, const RECT& place) {
    if (dpi <= 0 || dpi == dpi_) return;
    Rescale rescale{dpi_, dpi, {}, {}};
    SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    EnumChildWindows(window, &Rescale::each, reinterpret_cast<LPARAM>(&rescale));
    // The fonts of the change before are no longer in use.
    fonts_ = std::move(rescale.made);
    dpi_ = dpi;
}

}  // namespace tesmolen
