#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "runtime/dialog_script.hpp"
#include "runtime/text.hpp"
#include "runtime/win32/win32_window_system.hpp"

namespace tesmolen {

struct MessageBoxRequest {
    HWND owner = nullptr;
    Text text;
    Text title;
    // Win32 style bits: buttons and icon.
    std::uint32_t style = MB_OK;
};

// Shows the system's modal box (MessageBoxW) and returns the id of the button that closed it,
// 0 when the box could not be shown. With press, the box is pressed with that button id as soon
// as it is up; with its first button when it has no such button.
int showMessageBox(const MessageBoxRequest& request, std::optional<int> press = std::nullopt);

// Message boxes for the desktop's windows, answered from the script while it is active: each box
// is recorded, shown, and pressed with the next answer (a Win32 button id) or its first button.
ShowMessageBox scriptedMessageBoxes(DialogScript& script);

// The id of the first button of a box of this style, which is its default.
int firstButtonOfStyle(std::uint32_t style);

}  // namespace tesmolen
