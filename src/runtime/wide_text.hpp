#pragma once
// GBK texts as the UTF-16 strings of the Win32 API, through code page 936 whatever the system's
// ANSI code page is. Neither direction fails: see codepage.hpp.

#include <string>
#include <string_view>

#include "runtime/text.hpp"

namespace tesmolen {

std::wstring gbkToWide(std::string_view gbk);
Text wideToGbk(std::wstring_view wide);

}  // namespace tesmolen
