#pragma once
// The process from start to end: application state, main window, message loop.

#include <span>

#include "runtime/events.hpp"
#include "runtime/program.hpp"
#include "runtime/window_runtime.hpp"

namespace tesmolen {

struct Seams {
    Ui& ui;
    Net& net;
    Shell& shell;
    WindowSystem& windows;
    ResolverCache& resolverCache;
    ElevatedWriter& elevatedWriter = noElevatedWriter();
};

// Prepares the application state, creates the main window, raises its creation event, runs
// the message loop and releases the state again. Returns the process's exit code: 0 when the
// user closed the window, or the code a handler ended the process with.
int runApplication(WindowRuntime& runtime, Seams seams, StoredValues stored,
                   std::span<const EventBinding> bindings);

// Runs every command bound to the unit's event.
void raiseEvent(Program& program, std::span<const EventBinding> bindings, UnitName unit,
                UiEvent event);

// The clean-up routine: frees the five texts and the window list.
void releaseApplicationState(AppState& state);

}  // namespace tesmolen
