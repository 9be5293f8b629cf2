#pragma once
// The product as the executable describes itself.

#include <string_view>

namespace tesmolen::product {

inline constexpr std::string_view version = "2.0.0.0";
inline constexpr std::u8string_view description = u8"Tesmolen,屏蔽各类广告";

}  // namespace tesmolen::product
