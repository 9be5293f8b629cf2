#pragma once
// The desktop's top-level windows, as the owned message box needs them.

#include <cstdint>
#include <functional>

#include "runtime/box_style.hpp"
#include "runtime/text.hpp"

namespace tesmolen {

using WindowHandle = std::uintptr_t;

struct WindowRecord {
    WindowHandle handle = 0;
    std::uint32_t processId = 0;
    std::uint32_t threadId = 0;
    Text title;      // at most titleLimit bytes
    Text className;  // at most classNameLimit bytes

    static constexpr std::size_t titleLimit = 255;
    static constexpr std::size_t classNameLimit = 49;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    virtual std::uint32_t currentProcessId() const = 0;
    // Calls visit for every top-level window, in the system's order, until it returns false.
    virtual void enumerateWindows(const std::function<bool(WindowHandle)>& visit) = 0;
    // Fills process id, thread id, title and class name of a window.
    virtual WindowRecord describeWindow(WindowHandle window) = 0;
    // A modal message box owned by the window (0: none).
    virtual Answer messageBox(WindowHandle owner, const Text& text, const Text& title,
                              BoxStyle style) = 0;
};

}  // namespace tesmolen
