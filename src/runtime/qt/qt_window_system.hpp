#pragma once

#include <cstdint>

#include "runtime/dialog_script.hpp"
#include "runtime/window_system.hpp"

class QWidget;

namespace tesmolen {

// The top-level windows of this process as Qt knows them; a window's handle is its widget's
// address.
class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();

    std::uint32_t currentProcessId() const override;
    void enumerateWindows(const std::function<bool(WindowHandle)>& visit) override;
    WindowRecord describeWindow(WindowHandle window) override;
    Answer messageBox(WindowHandle owner, const Text& text, const Text& title,
                      BoxStyle style) override;

    DialogScript& dialogScript() { return script_; }

private:
    std::uint32_t guiThreadId_;
    DialogScript script_;
};

}  // namespace tesmolen
