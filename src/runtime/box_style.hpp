#pragma once
// What a message box looks like and what the user answered, in the same words for every
// realisation: each maps these once to its toolkit's buttons, icons and results.

#include <span>

namespace tesmolen {

enum class MessageButtons { ok, yesNo };
enum class MessageIcon { none, information };

struct BoxStyle {
    MessageButtons buttons = MessageButtons::ok;
    MessageIcon icon = MessageIcon::none;
    friend bool operator==(const BoxStyle&, const BoxStyle&) = default;
};

// An information icon and an OK button, as a save is confirmed.
inline constexpr BoxStyle informationReport{.icon = MessageIcon::information};

// The button that closed the box; none when the box could not be shown.
enum class Answer { none, ok, yes, no };

// Whether a box with these buttons can be closed with the answer.
constexpr bool offers(MessageButtons buttons, Answer answer) {
    return buttons == MessageButtons::yesNo ? answer == Answer::yes || answer == Answer::no
                                            : answer == Answer::ok;
}

// The answer to a box that nobody answers: OK to a report, No to a question.
constexpr Answer cautiousAnswer(MessageButtons buttons) {
    return buttons == MessageButtons::yesNo ? Answer::no : Answer::ok;
}

// A realisation's button for an answer; each keeps one table of these and reads it both ways.
template <typename Button>
struct AnswerButton {
    Answer answer;
    Button button;
};

template <typename Button>
constexpr Button buttonFor(std::span<const AnswerButton<Button>> table, Answer answer,
                           Button noButton) {
    for (const AnswerButton<Button>& entry : table) {
        if (entry.answer == answer) return entry.button;
    }
    return noButton;
}

template <typename Button>
constexpr Answer answerFor(std::span<const AnswerButton<Button>> table, Button button) {
    for (const AnswerButton<Button>& entry : table) {
        if (entry.button == button) return entry.answer;
    }
    return Answer::none;
}

}  // namespace tesmolen
