#pragma once
// Modal dialogs answered by a script instead of the user, so that tests can drive the real
// window without blocking. While the script is active, a message box is still built and shown,
// then pressed at once with the next queued answer, and recorded; a file dialog is not shown
// and returns the next queued choice.

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "runtime/text.hpp"

namespace tesmolen {

struct ShownBox {
    Text text;
    Text title;
    std::uint32_t style = 0;  // Win32 style bits: buttons and icon
};

struct DialogScript {
    bool active = false;
    // Message-box answers in the caller's own numbers; without one, the box's default answer.
    std::deque<int> answers;
    // File-dialog choices: a full path, or no value for a cancel; without one, a cancel.
    std::deque<std::optional<Text>> fileChoices;
    std::vector<ShownBox> shownBoxes;

    std::optional<int> takeAnswer() {
        if (answers.empty()) return std::nullopt;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<Text> takeFileChoice() {
        if (fileChoices.empty()) return std::nullopt;
        std::optional<Text> choice = fileChoices.front();
        fileChoices.pop_front();
        return choice;
    }
};

}  // namespace tesmolen
