#include "gui_window.hpp"

namespace tesmolen {
namespace {

// The user, closing the window once it is up.
Win32Ui* closingUi = nullptr;
void CALLBACK closeWhenUp(HWND, UINT, UINT_PTR, DWORD) {
    if (IsWindowVisible(closingUi->mainWindow())) {
        PostMessageW(closingUi->mainWindow(), WM_CLOSE, 0, 0);
    }
}

TEST(TheProgramAtStart, EndsWithExitCodeZeroWhenTheWindowIsClosed) {
    StoredValues stored;
    stored.makerWebHost = "web.test";
    stored.makerRuleHost = "rules.test";
    Win32Ui ui;
    testing::FakeNet net;
    net.answeringHosts = {{"web.test", 1}, {"rules.test", 1}};
    testing::FakeShell shell;
    Win32WindowSystem windows;
    testing::FakeResolverCache resolverCache;
    closingUi = &ui;
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, closeWhenUp);
    const int exitCode =
        runApplication(ui, {ui, net, shell, windows, resolverCache}, stored, eventBindings());
    KillTimer(nullptr, timer);
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(IsWindow(ui.mainWindow()));
    EXPECT_EQ(net.testedHosts, (std::multiset<Text>{"web.test", "rules.test"}));
}

}  // namespace
}  // namespace tesmolen
