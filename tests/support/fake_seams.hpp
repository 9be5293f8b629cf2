#pragma once
// Fakes of the network, the shell and the desktop's windows.

#include <deque>
#include <map>
#include <vector>

#include "runtime/net.hpp"
#include "runtime/shell.hpp"
#include "runtime/window_system.hpp"

namespace tesmolen::testing {

class FakeNet : public Net {
public:
    Bytes httpRead(const Text& url) override;
    int reachability(const Text& host, int waitMilliseconds = defaultWait) override;

    std::map<Text, Bytes> pages;          // URL -> bytes; a missing URL reads as no bytes
    std::map<Text, int> answeringHosts;   // host -> milliseconds; a missing host gives -1
    std::vector<Text> readUrls;
    std::vector<Text> testedHosts;
};

class FakeShell : public Shell {
public:
    void openPage(const Text& url) override { openedPages.push_back(url); }
    std::vector<Text> openedPages;
};

class FakeWindowSystem : public WindowSystem {
public:
    struct ShownBox {
        WindowHandle owner;
        Text text;
        Text title;
        BoxStyle style;
    };

    std::uint32_t currentProcessId() const override { return processId; }
    void enumerateWindows(const std::function<bool(WindowHandle)>& visit) override;
    WindowRecord describeWindow(WindowHandle window) override;
    Answer messageBox(WindowHandle owner, const Text& text, const Text& title,
                      BoxStyle style) override;

    std::uint32_t processId = 4242;
    std::vector<WindowRecord> windows;  // the desktop's top-level windows, in order
    std::deque<Answer> answers;         // without one, OK
    std::vector<ShownBox> boxes;
};

}  // namespace tesmolen::testing
