#include "runtime/win32/win32_text.hpp"

#include <windows.h>

namespace tesmolen {

namespace {

constexpr UINT gbkCodePage = 936;

std::wstring wideOf(std::string_view bytes, UINT codePage) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int wide = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, out.data(), wide);
    return out;
}

}  // namespace

std::wstring toWide(std::string_view gbk) { return wideOf(gbk, gbkCodePage); }

std::wstring toWide(std::u8string_view literal) {
    return wideOf({reinterpret_cast<const char*>(literal.data()), literal.size()}, CP_UTF8);
}

Text fromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(gbkCodePage, 0, wide.data(), size, nullptr, 0, "?", nullptr);
    Text out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(gbkCodePage, 0, wide.data(), size, out.data(), n, "?", nullptr);
    return out;
}

}  // namespace tesmolen
