#pragma once
// Fakes of the network, the shell, the desktop's windows and the elevated writer.

#include <deque>
#include <map>
#include <utility>
#include <vector>

#include "runtime/elevated_write.hpp"
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

// Keeps what it was given to write and answers as told; by default, as a program without a
// writer does.
class FakeElevatedWriter : public ElevatedWriter {
public:
    bool write(const Text& path, std::string_view bytes) override {
        writes.emplace_back(path, Bytes(bytes));
        return answer;
    }
    std::vector<std::pair<Text, Bytes>> writes;  // path and bytes, in order
    bool answer = false;
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
