#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "runtime/box_style.hpp"
#include "runtime/dialog_script.hpp"
#include "runtime/text.hpp"

namespace tesmolen {

struct MessageBoxRequest {
    HWND owner = nullptr;
    Text text;
    Text title;
    BoxStyle style;
};

// Shows the system's modal box (MessageBoxW) and returns the answer that closed it,
// Answer::none when the box could not be shown. With press, the box is pressed with that answer
// as soon as it is up; it must be one the box offers.
Answer showMessageBox(const MessageBoxRequest& request, std::optional<Answer> press = std::nullopt);

// Shows a message box; the window's test hooks put their own in place of showMessageBox to
// answer boxes without a person.
using ShowMessageBox = std::function<Answer(const MessageBoxRequest& request)>;

// Message boxes for the desktop's windows, answered from the script while it is active: each box
// is recorded, shown, and pressed with the next answer or its cautious one.
ShowMessageBox scriptedMessageBoxes(DialogScript& script);

}  // namespace tesmolen
