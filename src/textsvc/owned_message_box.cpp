#include "textsvc/owned_message_box.hpp"

#include "runtime/codepage.hpp"

namespace tesmolen {

const Text& friendlyReminderTitle() {
    static const Text text = gbk(u8"友情提醒");
    return text;
}

int enumerateTopLevelWindows(Program& program, std::vector<WindowRecord>& list) {
    std::vector<WindowRecord>& collected = program.state.windowList;
    collected.clear();
    program.windows.enumerateWindows([&](WindowHandle window) {
        WindowRecord record = program.windows.describeWindow(window);
        record.handle = window;
        collected.push_back(std::move(record));
        return true;
    });
    list = collected;
    collected.clear();
    return static_cast<int>(list.size());
}

WindowHandle findOwnerWindow(Program& program, std::uint32_t processId) {
    std::vector<WindowRecord> windows;
    enumerateTopLevelWindows(program, windows);
    for (const WindowRecord& window : windows) {
        if (window.processId == processId) return window.handle;
    }
    return 0;
}

Answer ownedMessageBox(Program& program, const Text& text, const OwnedBoxOptions& options) {
    const WindowHandle owner = options.owner
                                   ? *options.owner
                                   : findOwnerWindow(program, program.windows.currentProcessId());
    const Text& title = options.title ? *options.title : friendlyReminderTitle();
    return program.windows.messageBox(owner, text, title,
                                      options.style.value_or(informationReport));
}

}  // namespace tesmolen
