#pragma once
// The long texts of the instructions and donation tabs, and the chat group the program invites
// users to join.

#include <string_view>

namespace tesmolen {

inline constexpr std::u8string_view chatGroupNumber = u8"61827345";

// How to use each command of the settings tab; CR LF line breaks.
std::u8string_view instructionsText();
// The donation disclaimer: six numbered points separated by empty lines.
std::u8string_view disclaimerText();
// "加入QQ群：" followed by the chat group number.
std::u8string_view groupLabelText();

}  // namespace tesmolen
