#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/dialog_script.hpp"
#include "runtime/unit_table.hpp"
#include "runtime/win32/gdi_owners.hpp"
#include "runtime/win32/picture_button.hpp"
#include "runtime/win32/win32_units.hpp"
#include "ui/layout.hpp"

namespace tesmolen {

// How a control is drawn beyond what it does by itself: its colours and its mouse cursor.
struct ControlLook {
    std::optional<COLORREF> textColour;
    // The control's own background; null for the system's.
    HBRUSH background = nullptr;
    COLORREF backgroundColour = 0;
    // The background of the window it lies on, which labels and pictures show through.
    HBRUSH around = nullptr;
    COLORREF aroundColour = 0;
    bool transparent = false;
    bool editBox = false;
    HCURSOR cursor = nullptr;
};

// The main window as built from the window layout, with what it owns: its units, looks, the ids
// its controls, timers and menu items send, its menus, brushes and fonts.
struct BuiltWindow {
    HWND window = nullptr;
    std::unique_ptr<Win32Unit> windowUnit;
    UnitTable<Win32Unit> units;
    std::vector<std::unique_ptr<PictureButton>> pictureButtons;
    std::unordered_map<HWND, ControlLook> looks;
    std::unordered_map<HWND, Win32ReportList*> lists;
    // Control ids of clickable units, timer ids and menu command ids, each to its unit's name.
    std::map<int, UnitName> clickables;
    std::map<UINT_PTR, UnitName> timers;
    std::map<int, UnitName> menuItems;
    std::map<std::u8string, OwnedMenu, std::less<>> menus;
    std::map<COLORREF, OwnedBrush> brushes;
    std::vector<OwnedFont> fonts;
    HWND tabControl = nullptr;
    std::vector<HWND> pages;
};

// What the built window reaches of the one that runs it: the procedure of the main window with
// the value it is created with, and the script that answers its dialogs.
struct WindowHooks {
    WNDPROC procedure;
    void* procedureData;
    DialogScript& script;
};

// Builds the main window from the window layout: every unit with its control, the tab pages, the
// pop-up menus, fonts, colours, cursors and the stacking of the table.
class WindowBuilder {
public:
    WindowBuilder(const WindowLayout& layout, WindowHooks hooks);
    BuiltWindow build();

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
    HBRUSH brush(COLORREF colour);
    void buildMenus();
    void stackUnits();

    const WindowLayout& layout_;
    WindowHooks hooks_;
    BuiltWindow built_;
    HFONT defaultFont_ = nullptr;
    // The DPI the window is shown at, by which the layout's lengths grow.
    int dpi_ = 96;
    int nextId_ = 100;
    // Every container by its unit's name; the main window under the empty name.
    std::map<std::u8string, Container, std::less<>> containers_;
};

}  // namespace tesmolen
