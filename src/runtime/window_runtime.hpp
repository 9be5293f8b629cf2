#pragma once
// What the application shell asks of the toolkit: build the main window, let its units raise
// their events, and run the message loop.

#include <functional>
#include <optional>

#include "runtime/events.hpp"

namespace tesmolen {

using RaiseEvent = std::function<void(UnitName unit, UiEvent event)>;

class WindowRuntime {
public:
    virtual ~WindowRuntime() = default;
    // Builds the main window from the window layout, not yet shown. From now on its units
    // report their events through raise, until the process is ended.
    virtual void createMainWindow(RaiseEvent raise) = 0;
    virtual void showMainWindow() = 0;
    // Runs until the main window is closed (result 0) or the process is ended (its exit code).
    virtual int runMessageLoop() = 0;
    // The exit code asked for by Ui::endProcess, once it has been called.
    virtual std::optional<int> endedWith() const = 0;
};

}  // namespace tesmolen
