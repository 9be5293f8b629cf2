#pragma once
// A message box owned by one of the program's own top-level windows, shown through the window
// system rather than the window's runtime.

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/program.hpp"

namespace tesmolen {

const Text& friendlyReminderTitle();  // 友情提醒

// Every option left out takes its default; a supplied value is used as it is, 0 and empty too.
struct OwnedBoxOptions {
    std::optional<BoxStyle> style{};      // informationReport
    std::optional<Text> title{};          // friendlyReminderTitle()
    std::optional<WindowHandle> owner{};  // the first window of this process, or none
};

// Modal. The button that closed the box; Answer::none when the box could not be shown.
Answer ownedMessageBox(Program& program, const Text& text, const OwnedBoxOptions& options = {});

// The first top-level window, in the system's order, that belongs to the process; 0 if none.
WindowHandle findOwnerWindow(Program& program, std::uint32_t processId);

// Replaces the list's content by a record of every top-level window; returns their number.
// The records are collected in the state's window list, which is empty again afterwards.
int enumerateTopLevelWindows(Program& program, std::vector<WindowRecord>& list);

}  // namespace tesmolen
