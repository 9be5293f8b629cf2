#pragma once
// The commands' message boxes: the title text as title, no icon.

#include "runtime/program.hpp"

namespace tesmolen {

// A report with an OK button only.
inline void report(Program& program, const Text& message) {
    program.ui.messageBox(message, MessageButtons::ok, program.state.titleText);
}

// A question with Yes and No; true only for Yes.
inline bool askYesNo(Program& program, const Text& question) {
    return program.ui.messageBox(question, MessageButtons::yesNo, program.state.titleText) ==
           Answer::yes;
}

}  // namespace tesmolen
