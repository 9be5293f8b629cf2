#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/application.hpp"
#include "app/bindings.hpp"
#include "support/test_program.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {
namespace {

using testing::FakeNet;
using testing::FakeShell;
using testing::FakeUi;
using testing::FakeWindowSystem;

// A message loop whose user raises a scripted list of events, then closes the window.
class ScriptedRuntime : public WindowRuntime {
public:
    explicit ScriptedRuntime(FakeUi& ui) : ui_(ui) {}

    void createMainWindow(RaiseEvent raise) override {
        steps.push_back("create");
        raise_ = std::move(raise);
    }
    void showMainWindow() override { steps.push_back("show"); }
    int runMessageLoop() override {
        steps.push_back("loop");
        for (const auto& [unit, event] : userEvents) raise_(unit, event);
        return ui_.endedWith.value_or(0);
    }
    std::optional<int> endedWith() const override { return ui_.endedWith; }

    std::vector<std::string> steps;
    std::vector<std::pair<UnitName, UiEvent>> userEvents;

private:
    FakeUi& ui_;
    RaiseEvent raise_;
};

// What the handlers below saw of the program.
struct Seen {
    std::vector<std::string> events;
    Text titleText;
    Text hostsPath;
};
Seen seen;

void onCreated(Program& program) {
    seen.events.push_back("created");
    seen.titleText = program.state.titleText;
    seen.hostsPath = program.state.hostsPath;
}
void onCreatedEndProcess(Program& program) {
    seen.events.push_back("created");
    program.ui.endProcess(3);
}
void onClick(Program&) { seen.events.push_back("click"); }
void onClickEndProcess(Program& program) {
    seen.events.push_back("click");
    program.ui.endProcess(7);
}
void onTick(Program&) { seen.events.push_back("tick"); }

class Application : public ::testing::Test {
protected:
    void SetUp() override { seen = {}; }

    int run(std::span<const EventBinding> bindings) {
        return runApplication(runtime, {ui, net, shell, windows, resolverCache}, StoredValues{},
                              bindings);
    }

    FakeUi ui;
    FakeNet net;
    FakeShell shell;
    FakeWindowSystem windows;
    testing::FakeResolverCache resolverCache;
    ScriptedRuntime runtime{ui};
};

TEST_F(Application, CreatesTheWindowRaisesItsCreationEventThenRunsTheLoop) {
    const EventBinding bindings[] = {{unit::mainWindow, UiEvent::created, onCreated}};
    EXPECT_EQ(run(bindings), 0);
    EXPECT_EQ(runtime.steps, (std::vector<std::string>{"create", "show", "loop"}));
    EXPECT_EQ(seen.events, std::vector<std::string>{"created"});
    // The creation event finds the state as it starts: every text empty.
    EXPECT_EQ(seen.titleText, "");
    EXPECT_EQ(seen.hostsPath, "");
}

TEST_F(Application, EndingTheProcessInTheCreationEventSkipsTheLoop) {
    const EventBinding bindings[] = {{unit::mainWindow, UiEvent::created, onCreatedEndProcess}};
    runtime.userEvents = {{unit::readButton, UiEvent::click}};
    EXPECT_EQ(run(bindings), 3);
    EXPECT_EQ(runtime.steps, std::vector<std::string>{"create"});
    EXPECT_EQ(seen.events, std::vector<std::string>{"created"});
}

TEST_F(Application, EventsRunOnlyTheCommandsBoundToThemAndNothingAfterTheEnd) {
    const EventBinding bindings[] = {
        {unit::saveButton, UiEvent::click, onClickEndProcess},
        {unit::readButton, UiEvent::click, onClick},
        {unit::noticeTimer, UiEvent::timerTick, onTick},
    };
    runtime.userEvents = {
        {unit::readButton, UiEvent::rightClick},  // unbound
        {unit::readButton, UiEvent::click},
        {unit::noticeTimer, UiEvent::timerTick},
        {unit::saveButton, UiEvent::click},  // ends the process
        {unit::readButton, UiEvent::click},
        {unit::noticeTimer, UiEvent::timerTick},
    };
    EXPECT_EQ(run(bindings), 7);
    EXPECT_EQ(seen.events, (std::vector<std::string>{"click", "tick", "click"}));
}

TEST(EventBindings, TheReadButtonReadsTheHostsFile) {
    testing::TestProgram t;
    t.temp.write("hosts", "#a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#b\n#c" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC" "#");
    t.program.state.hostsPath = t.temp.path("hosts");
    raiseEvent(t.program, eventBindings(), unit::readButton, UiEvent::click);
    EXPECT_EQ(t.ruleList().bodies(), (std::vector<Text>{"a" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC", "c" "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC"}));
}

TEST(ApplicationState, CleanUpReleasesEveryValue) {
    AppState state{"Tesmolen", "/tmp/bak.ad", "coded", "/etc/hosts", "#a#", {{1, 2, 3, "t", "c"}}};
    releaseApplicationState(state);
    EXPECT_TRUE(state.titleText.empty() && state.backupPath.empty() && state.backupText.empty() &&
                state.hostsPath.empty() && state.currentRulesText.empty());
    EXPECT_TRUE(state.windowList.empty());
}

}  // namespace
}  // namespace tesmolen
