#pragma once
// A message box owned by one of the program's own top-level windows, shown through the window
// system rather than the window's runtime.

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/program.hpp"

namespace tesmolen {

// Win32 style bits: an information icon and a single OK button.
inline constexpr std::uint32_t informationStyle = 0x40;

const Text& friendlyReminderTitle();  // "友情提醒"

// Every option left out takes its default; a supplied value is used as it is, 0 and empty too.
struct OwnedBoxOptions {
    std::optional<std::uint32_t> style{};  // informationStyle
    std::optional<Text> title{};           // friendlyReminderTitle()
    std::optional<WindowHandle> owner{};   // the first window of this process, or none
};

// Modal. The Win32 button id minus one: 0 OK, 1 Cancel, ... 5 Yes, 6 No; -1 when the box failed.
int ownedMessageBox(Program& program, const Text& text, const OwnedBoxOptions& options = {});

// The first top-level window, in the system's order, that belongs to the process; 0 if none.
WindowHandle findOwnerWindow(Program& program, std::uint32_t processId);

// Replaces the list's content by a record of every top-level window; returns their number.
// The records are collected in the state's window list, which is empty again afterwards.
int enumerateTopLevelWindows(Program& program, std::vector<WindowRecord>& list);

}  // namespace tesmolen
