#pragma once
// Program texts (GBK bytes) meet the wide Win32 API here and nowhere else: every text turns into
// UTF-16 through code page 936, whatever the system's own code page is.

#include <string>
#include <string_view>

#include "runtime/text.hpp"

namespace tesmolen {

std::wstring toWide(std::string_view gbk);
// A UTF-8 literal of the window layout.
std::wstring toWide(std::u8string_view literal);
// Characters that GBK lacks become "?".
Text fromWide(std::wstring_view wide);

}  // namespace tesmolen
