#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "runtime/ui.hpp"

namespace tesmolen {

// "display|pattern|display|pattern..." as the common dialog wants it: each part ended by a zero
// character, the whole ended by a second one.
std::wstring win32Filter(const Text& filter);

// Shows the system's open or save dialog with the settings, over owner. The full path of the
// confirmed file, or nothing when the user cancelled.
std::optional<Text> runFileDialog(HWND owner, const FileDialogSettings& settings);

}  // namespace tesmolen
