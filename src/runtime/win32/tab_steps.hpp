#pragma once

#include <windows.h>

#include <vector>

#include "runtime/ui.hpp"

namespace tesmolen {

class Win32Ui;
struct WindowLayout;

// Tab and Shift+Tab in the main window, stepped in the layout's keyboard order rather than the
// order in which the controls are stacked: to the next (previous) unit that is shown and enabled,
// round the end. The IP box takes the keyboard at its first field and hands it on after the box.
class TabSteps {
public:
    TabSteps(Win32Ui& ui, const WindowLayout& layout);

    // Whether the message was a Tab or Shift+Tab for the window, now handled.
    bool step(const MSG& message) const;

private:
    struct Step {
        HWND window = nullptr;
        const Unit* unit = nullptr;
        bool ipBox = false;
    };

    HWND window_;
    std::vector<Step> steps_;
};

}  // namespace tesmolen
