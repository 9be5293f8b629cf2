#pragma once
// How users reach the maker outside the program: the chat account and group, and the outside
// pages the window links to. The maker's own web host is a stored value of the program.

#include <string_view>

namespace tesmolen::maker {

inline constexpr std::string_view chatAccount = "20261208";
inline constexpr std::string_view chatGroupNumber = "61827345";
inline constexpr std::string_view chatGroupPage =
    "http://qun.example.org/wpa/qunwpa?idkey=7a3f9c1e5b";
inline constexpr std::string_view paymentPage = "https://pay.example.org/tesmolen";

// Paths of the maker's pages on its web host.
inline constexpr std::string_view cloudDrivePath = "/kovrel/ad/pan.html";
inline constexpr std::string_view officialDownloadPath = "/kovrel/ad/ad.html";
inline constexpr std::string_view advertisingPath = "/kovrel/ad/ads.html";

}  // namespace tesmolen::maker
