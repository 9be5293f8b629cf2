#pragma once

#include <string_view>

namespace tesmolen {

// The product's name: the window title, the key of its rule files, the title of its owned boxes.
inline constexpr std::string_view productName = "Tesmolen";

}  // namespace tesmolen
