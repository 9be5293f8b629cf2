// tesmolen-screenshots: shows the Win32 main window on each of its tabs in turn, the settings tab
// with rules in its list. For each it prints "NAME WIDTH HEIGHT LEFT TOP" (the window's place on
// the screen) and waits for a line on its input while the picture is taken from the display
// (scripts/screenshots-windows does that). The window is built as the program builds it and does
// the program's start-up work, so the maker's site must answer.

#include <windows.h>

#include <cstdio>

#include "app/startup.hpp"
#include "app/stored_values.hpp"
#include "rules/read_rules.hpp"
#include "runtime/codepage.hpp"
#include "runtime/win32/message_box.hpp"
#include "runtime/win32/win32_net.hpp"
#include "runtime/win32/win32_resolver_cache.hpp"
#include "runtime/win32/win32_shell.hpp"
#include "runtime/win32/win32_ui.hpp"
#include "runtime/win32/win32_window_system.hpp"
#include "ui/unit_names.hpp"

namespace {

void settle() {
    for (int round = 0; round < 20; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(25);
    }
}

// Tells where the window is on the screen and waits until the picture has been taken.
bool photograph(HWND window, const char* name) {
    RECT place;
    GetWindowRect(window, &place);
    std::printf("%s %ld %ld %ld %ld\n", name, place.right - place.left, place.bottom - place.top,
                place.left, place.top);
    std::fflush(stdout);
    char done[16];
    return std::fgets(done, sizeof done, stdin) != nullptr;
}

}  // namespace

int main() {
    using namespace tesmolen;
    Win32Ui ui;
    Win32Net net;
    Win32Shell shell;
    DialogScript boxes;
    boxes.active = true;
    Win32WindowSystem windows(scriptedMessageBoxes(boxes));
    Win32ResolverCache resolverCache;
    Program program{{}, ui, net, shell, windows, resolverCache, defaultStoredValues()};
    ui.createMainWindow([](UnitName, UiEvent) {});
    ui.dialogScript().active = true;  // a failed start-up reports without waiting for a click
    mainWindowCreated(program);
    if (ui.endedWith()) {
        std::fprintf(stderr,
                     "the maker's site does not answer (serve it with scripts/serve-site)\n");
        return 1;
    }
    ui.showMainWindow();
    SetForegroundWindow(ui.mainWindow());

    // The settings tab with rules read into its list.
    ReportList& list = ui.list(unit::ruleList);
    list.setVisible(true);
    parseRulesInto(
        gbk(u8"#站点A代码开始\r\n0.0.0.0 ads.example.com\r\n0.0.0.0 track.example.com\r\n"
            u8"#代码结束\r\n#站点B代码开始\r\n0.0.0.0 banner.example.net\r\n#代码结束\r\n"
            u8"#统计代码开始\r\n0.0.0.0 stats.example.org\r\n#"),
        list);
    const char* names[] = {"1-instructions", "2-settings", "3-editor", "4-donation"};
    for (int page = 0; page < ui.pageCount() && page < 4; ++page) {
        ui.selectPage(page);
        settle();
        if (!photograph(ui.mainWindow(), names[page])) return 1;
    }
    return 0;
}
