#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/dialog_script.hpp"
#include "runtime/ui.hpp"
#include "runtime/unit_table.hpp"
#include "runtime/win32/dpi_scale.hpp"
#include "runtime/win32/gdi_owners.hpp"
#include "runtime/win32/picture_button.hpp"
#include "runtime/win32/tab_steps.hpp"
#include "runtime/win32/win32_units.hpp"
#include "runtime/window_runtime.hpp"

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

// The main window on Win32 common controls, built unit by unit from the window layout.
class Win32Ui : public Ui, public WindowRuntime {
public:
    Win32Ui();
    ~Win32Ui() override;
    Win32Ui(const Win32Ui&) = delete;
    Win32Ui& operator=(const Win32Ui&) = delete;

    Unit& window() override;
    Unit& unit(UnitName name) override;
    ReportList& list(UnitName name) override;
    GraphicButton& graphicButton(UnitName name) override;
    Timer& timer(UnitName name) override;
    FileDialog& fileDialog(UnitName name) override;
    int messageBox(const Text& text, MessageButtons buttons, const Text& title) override;
    void popUpMenu(UnitName menu, ScreenPoint at) override;
    ScreenPoint mousePosition() const override;
    void switchVisualStyle() override;
    void endProcess(int exitCode) override;

    void createMainWindow(RaiseEvent raise) override;
    void showMainWindow() override;
    int runMessageLoop() override;
    std::optional<int> endedWith() const override { return endedWith_; }

    // For tests, screenshots and benchmarks: the windows behind the units, the pages of the tab
    // control, the menus, and the script that answers modal dialogs.
    HWND mainWindow() const { return window_; }
    // Null for a unit without a window.
    HWND windowOf(UnitName name) const;
    HWND tabControl() const { return tabControl_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    void selectPage(int page);
    // The command id a menu item sends when chosen; 0 for no such item.
    int menuItemId(UnitName item) const;
    // The menus popped up so far, in order.
    const std::vector<std::u8string>& poppedUpMenus() const { return poppedUp_; }
    DialogScript& dialogScript() { return script_; }
    // Hands a message of the message loop to the window as a dialog takes it: true when taken.
    bool takeDialogKey(MSG& message);

private:
    friend class WindowBuilder;

    void raise(UnitName unit, UiEvent event);
    void publishRows();
    void showCurrentPage();
    HBRUSH brush(COLORREF colour);

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT colourControl(UINT message, HDC dc, HWND control);
    bool notify(const NMHDR& header, LRESULT& result);

    HWND window_ = nullptr;
    std::unique_ptr<Win32Unit> windowUnit_;
    UnitTable<Win32Unit> units_;
    std::vector<std::unique_ptr<PictureButton>> pictureButtons_;
    std::unordered_map<HWND, ControlLook> looks_;
    std::unordered_map<HWND, Win32ReportList*> lists_;
    // Control ids of clickable units, timer ids and menu command ids, each to its unit's name.
    std::map<int, UnitName> clickables_;
    std::map<UINT_PTR, UnitName> timers_;
    std::map<int, UnitName> menuItems_;
    std::map<std::u8string, OwnedMenu, std::less<>> menus_;
    std::map<COLORREF, OwnedBrush> brushes_;
    std::vector<OwnedFont> fonts_;
    HWND tabControl_ = nullptr;
    std::vector<HWND> pages_;
    std::vector<std::u8string> poppedUp_;
    RaiseEvent raise_;
    DialogScript script_;
    std::optional<int> endedWith_;
    std::optional<TabSteps> tabSteps_;
    DpiChange dpiChange_;
    bool looping_ = false;
};

}  // namespace tesmolen
