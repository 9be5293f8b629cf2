#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "ui/layout.hpp"

namespace tesmolen {

class Win32Ui;
class Win32Unit;

// Builds the main window of a Win32Ui from the window layout: every unit with its control, the
// tab pages, the pop-up menus, fonts, colours, cursors and the stacking of the table.
class WindowBuilder {
public:
    WindowBuilder(Win32Ui& ui, const WindowLayout& layout);
    void build();

private:
    // A window that holds units: where it lies in its units' coordinates, and the background
    // they show through.
    struct Container {
        HWND window = nullptr;
        POINT origin{};
        HBRUSH background = nullptr;
        COLORREF colour = 0;
        // The frame its units end inside.
        int frame = 0;
    };

    void buildWindow();
    void buildUnit(const UnitSpec& spec, const Container& parent);
    HWND createControl(const wchar_t* kind, DWORD style, DWORD extendedStyle, const UnitSpec& spec,
                       const Container& parent);
    HWND buildTabPage(const UnitSpec& spec, const Container& tabControl);
    HWND buildReportList(const UnitSpec& spec, const Container& parent);
    HWND buildPictureButton(const UnitSpec& spec, const Container& parent);
    void addContainer(const UnitSpec& spec, HWND window, const Container& parent,
                      POINT origin = {});
    void addUnit(const UnitSpec& spec, std::unique_ptr<Win32Unit> unit);
    HFONT font(const UnitSpec& spec);
    void buildMenus();
    void stackUnits();

    Win32Ui& ui_;
    const WindowLayout& layout_;
    HFONT defaultFont_ = nullptr;
    // The DPI the window is shown at, by which the layout's lengths grow.
    int dpi_ = 96;
    int nextId_ = 100;
    // Every container by its unit's name; the main window under the empty name.
    std::map<std::u8string, Container, std::less<>> containers_;
};

}  // namespace tesmolen
