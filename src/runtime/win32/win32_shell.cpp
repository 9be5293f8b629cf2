#include "runtime/win32/win32_shell.hpp"

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "runtime/wide_text.hpp"

namespace tesmolen {

std::wstring quotedArgument(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote itself escaped.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    // Before the closing quote, too.
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

std::wstring windowsExplorer() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::wstring explorer(folder, length);
    if (explorer.back() != L'\\') explorer += L'\\';
    return explorer + L"explorer.exe";
}

Win32Shell::Win32Shell(std::wstring opener) : opener_(std::move(opener)) {}

void Win32Shell::openPage(const Text& url) {
    if (opener_.empty()) return;
    const std::wstring argument = quotedArgument(gbkToWide(url));
    ShellExecuteW(nullptr, L"open", opener_.c_str(), argument.c_str(), nullptr, SW_SHOWNORMAL);
}

}  // namespace tesmolen
