#pragma once
// The window at the system's DPI: the layout is drawn for 96 DPI, and every rectangle, font and
// picture of it grows with the DPI.

#include <windows.h>

#include <vector>

#include "runtime/win32/gdi_owners.hpp"
#include "ui/layout.hpp"

namespace tesmolen {

inline constexpr int layoutDpi = 96;

// The DPI the window is shown at: the window's own where the system tells it (GetDpiForWindow),
// else the screen's.
int windowDpi(HWND window);

inline int atDpi(int length, int dpi) {
    return MulDiv(length, dpi, layoutDpi);
}

// The unit's rectangle and font at the DPI.
UnitSpec atDpi(UnitSpec spec, int dpi);

// The window's DPI while it is shown. When it changes, the window takes the place the system gives
// it, and every control in it grows or shrinks with its font and the list's columns.
class DpiChange {
public:
    explicit DpiChange(int dpi = layoutDpi) : dpi_(dpi) {}
    int dpi() const { return dpi_; }
    void apply(HWND window, int dpi, const RECT& place);

private:
    int dpi_;
    std::vector<OwnedFont> fonts_;
};

}  // namespace tesmolen
