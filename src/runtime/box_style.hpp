#pragma once
// What a message box looks like and what the user answered, in the same words for every
// realisation: each maps these once to its toolkit's buttons, icons and results.

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

}  // namespace tesmolen
