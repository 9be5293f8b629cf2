#include "runtime/win32/win32_window_system.hpp"

#include "runtime/wide_text.hpp"

namespace tesmolen {

namespace {

HWND windowOf(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

// The text Win32 writes into a buffer of limit + 1 bytes' worth of characters, as GBK cut to the
// limit.
template <typename Read>
Text windowText(Read read, std::size_t limit) {
    std::wstring buffer(limit + 1, L'\0');
    const int length = read(buffer.data(), static_cast<int>(buffer.size()));
    buffer.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return Text(cutGbk(wideToGbk(buffer), limit));
}

using Visit = std::function<bool(WindowHandle)>;

BOOL CALLBACK visitWindow(HWND window, LPARAM visit) {
    return (*reinterpret_cast<const Visit*>(visit))(reinterpret_cast<WindowHandle>(window));
}

}  // namespace

Win32WindowSystem::Win32WindowSystem(ShowMessageBox show) : show_(std::move(show)) {}

std::uint32_t Win32WindowSystem::currentProcessId() const {
    return static_cast<std::uint32_t>(GetCurrentProcessId());
}

void Win32WindowSystem::enumerateWindows(const std::function<bool(WindowHandle)>& visit) {
    EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&visit));
}

WindowRecord Win32WindowSystem::describeWindow(WindowHandle window) {
    WindowRecord record;
    record.handle = window;
    const HWND hwnd = windowOf(window);
    DWORD processId = 0;
    record.threadId = static_cast<std::uint32_t>(GetWindowThreadProcessId(hwnd, &processId));
    record.processId = static_cast<std::uint32_t>(processId);
    record.title =
        windowText([hwnd](wchar_t* buffer, int size) { return GetWindowTextW(hwnd, buffer, size); },
                   WindowRecord::titleLimit);
    record.className =
        windowText([hwnd](wchar_t* buffer, int size) { return GetClassNameW(hwnd, buffer, size); },
                   WindowRecord::classNameLimit);
    return record;
}

Answer Win32WindowSystem::messageBox(WindowHandle owner, const Text& text, const Text& title,
                                     BoxStyle style) {
    return show_({windowOf(owner), text, title, style});
}

}  // namespace tesmolen
