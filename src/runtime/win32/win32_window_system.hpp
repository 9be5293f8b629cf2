#pragma once

#include <windows.h>

#include <functional>

#include "runtime/win32/message_box.hpp"
#include "runtime/window_system.hpp"

namespace tesmolen {

// The desktop's top-level windows as Win32 reports them.
class Win32WindowSystem : public WindowSystem {
public:
    explicit Win32WindowSystem(ShowMessageBox show = [](const MessageBoxRequest& request) {
        return showMessageBox(request);
    });

    std::uint32_t currentProcessId() const override;
    void enumerateWindows(const std::function<bool(WindowHandle)>& visit) override;
    WindowRecord describeWindow(WindowHandle window) override;
    Answer messageBox(WindowHandle owner, const Text& text, const Text& title,
                      BoxStyle style) override;

private:
    ShowMessageBox show_;
};

}  // namespace tesmolen
