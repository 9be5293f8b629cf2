#pragma once
// Modal dialogs answered by a script instead of the user, so that tests can drive the real
// window without blocking. While the script is active, a message box is still built and shown,
// then pressed at once with the next queued answer, and recorded; a file dialog is not shown
// and returns the next queued choice.

#include <deque>
#include <optional>
#include <vector>

#include "runtime/box_style.hpp"
#include "runtime/text.hpp"

namespace tesmolen {

struct ShownBox {
    Text text;
    Text title;
    BoxStyle style;
};

struct DialogScript {
    bool active = false;
    // Message-box answers; without one, or with one the box does not offer, its cautious answer.
    std::deque<Answer> answers;
    // File-dialog choices: a full path, or no value for a cancel; without one, a cancel.
    std::deque<std::optional<Text>> fileChoices;
    std::vector<ShownBox> shownBoxes;

    // While the script is active: records the box and gives the answer to press it with.
    std::optional<Answer> answerTo(const Text& text, const Text& title, BoxStyle style) {
        if (!active) return std::nullopt;
        shownBoxes.push_back({text, title, style});
        Answer answer = cautiousAnswer(style.buttons);
        if (!answers.empty()) {
            if (offers(style.buttons, answers.front())) answer = answers.front();
            answers.pop_front();
        }
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
