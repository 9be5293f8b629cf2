#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "runtime/window_system.hpp"

namespace tesmolen {

// Shows a message box and returns the Win32 button id, 0 on failure. The window's test hooks
// put their own in place of MessageBoxW to answer boxes without a person.
using ShowMessageBox =
    std::function<int(HWND owner, const std::wstring& text, const std::wstring& title, UINT style)>;

int systemMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT style);

// The desktop's top-level windows as Win32 reports them.
class Win32WindowSystem : public WindowSystem {
public:
    explicit Win32WindowSystem(ShowMessageBox show = systemMessageBox);

    std::uint32_t currentProcessId() const override;
    void enumerateWindows(const std::function<bool(WindowHandle)>& visit) override;
    WindowRecord describeWindow(WindowHandle window) override;
    int messageBox(WindowHandle owner, const Text& text, const Text& title,
                   std::uint32_t style) override;

private:
    ShowMessageBox show_;
};

}  // namespace tesmolen
