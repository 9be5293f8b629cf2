#include "app/application.hpp"

#include <utility>

#include "ui/unit_names.hpp"

namespace tesmolen {

namespace {

// Registered right after the state is set up, so the state is released on every way out.
class CleanUp {
public:
    explicit CleanUp(AppState& state) : state_(state) {}
    ~CleanUp() { releaseApplicationState(state_); }
    CleanUp(const CleanUp&) = delete;
    CleanUp& operator=(const CleanUp&) = delete;

private:
    AppState& state_;
};

void release(Text& text) { Text().swap(text); }

}  // namespace

void raiseEvent(Program& program, std::span<const EventBinding> bindings, UnitName unit,
                UiEvent event) {
    for (const EventBinding& binding : bindings) {
        if (binding.unit == unit && binding.event == event) binding.handler(program);
    }
}

void releaseApplicationState(AppState& state) {
    release(state.titleText);
    release(state.backupPath);
    release(state.backupText);
    release(state.hostsPath);
    release(state.currentRulesText);
    std::vector<WindowRecord>().swap(state.windowList);
}

int runApplication(WindowRuntime& runtime, Seams seams, StoredValues stored,
                   std::span<const EventBinding> bindings) {
    Program program{AppState{},          seams.ui,          seams.net,
                    seams.shell,         seams.windows,     seams.resolverCache,
                    std::move(stored),   seams.elevatedWriter};
    CleanUp cleanUp(program.state);

    runtime.createMainWindow([&program, &runtime, bindings](UnitName unit, UiEvent event) {
        if (!runtime.endedWith()) raiseEvent(program, bindings, unit, event);
    });
    raiseEvent(program, bindings, unit::mainWindow, UiEvent::created);
    if (std::optional<int> exitCode = runtime.endedWith()) return *exitCode;

    runtime.showMainWindow();
    return runtime.runMessageLoop();
}

}  // namespace tesmolen
