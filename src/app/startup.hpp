#pragma once
// The work done once the main window exists, before the user can touch it.

#include "runtime/program.hpp"

namespace tesmolen {

// Creation of the main window: fetches the banner pictures and the notice and tests both of the
// maker's hosts, all at the same time, fills the title text, hosts path and backup path, and ends
// the process (exit code 0) after one message when either host does not answer. Otherwise it puts
// the fallback notice in place of a missing or unusable one and starts the notice timer.
void mainWindowCreated(Program& program);

// Tick of 时钟1: hides the notice box for the rest of the process.
void noticeTimerTick(Program& program);

const Text& serverUnreachableMessage();  // 连接服务器失败
const Text& fallbackNotice();            // Tesmolen终身免费使用

inline constexpr int noticePeriodMilliseconds = 15000;

}  // namespace tesmolen
