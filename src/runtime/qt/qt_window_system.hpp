#pragma once

#include <cstdint>

#include "runtime/dialog_script.hpp"
#include "runtime/window_system.hpp"

class QWidget;

namespace tesmolen {

// The top-level windows of this process as Qt knows them; a window's handle is its widget's
// address. Message boxes take Win32 style bits and answer with Win32 button ids.
class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();

    std::uint32_t currentProcessId() const override;
    void enumerateWindows(const std::function<bool(WindowHandle)>& visit) override;
    WindowRecord describeWindow(WindowHandle window) override;
    int messageBox(WindowHandle owner, const Text& text, const Text& title,
                   std::uint32_t style) override;

    // Answers in Win32 button ids; without one, the box's first button.
    DialogScript& dialogScript() { return script_; }

private:
    std::uint32_t guiThreadId_;
    DialogScript script_;
};

}  // namespace tesmolen
