#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "runtime/dialog_script.hpp"
#include "runtime/ui.hpp"
#include "runtime/win32/dpi_scale.hpp"
#include "runtime/win32/tab_steps.hpp"
#include "runtime/win32/window_builder.hpp"
#include "runtime/window_runtime.hpp"

namespace tesmolen {

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
    Answer messageBox(const Text& text, MessageButtons buttons, const Text& title) override;
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
    HWND mainWindow() const { return built_.window; }
    // Null for a unit without a window.
    HWND windowOf(UnitName name) const;
    HWND tabControl() const { return built_.tabControl; }
    int pageCount() const { return static_cast<int>(built_.pages.size()); }
    void selectPage(int page);
    // The command id a menu item sends when chosen; 0 for no such item.
    int menuItemId(UnitName item) const;
    // The menus popped up so far, in order.
    const std::vector<std::u8string>& poppedUpMenus() const { return poppedUp_; }
    DialogScript& dialogScript() { return script_; }
    // Hands a message of the message loop to the window as a dialog takes it: true when taken.
    bool takeDialogKey(MSG& message);

private:
    void raise(UnitName unit, UiEvent event);
    void publishRows();
    void showCurrentPage();

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT colourControl(HWND window, UINT message, HDC dc, HWND control);
    bool notify(const NMHDR& header, LRESULT& result);

    BuiltWindow built_;
    std::vector<std::u8string> poppedUp_;
    RaiseEvent raise_;
    DialogScript script_;
    std::optional<int> endedWith_;
    std::optional<TabSteps> tabSteps_;
    DpiChange dpiChange_;
    bool looping_ = false;
};

}  // namespace tesmolen
