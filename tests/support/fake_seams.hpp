#pragma once
// Fakes of the network, the resolver cache, the shell, the desktop's windows and the elevated
// writer.

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

#include "runtime/elevated_write.hpp"
#include "runtime/net.hpp"
#include "runtime/resolver_cache.hpp"
#include "runtime/shell.hpp"
#include "runtime/window_system.hpp"

namespace tesmolen::testing {

// Safe to call from several threads at once; set it up before the calls and read what it
// recorded after they have ended.
class FakeNet : public Net {
public:
    Bytes httpRead(const Text& url) override;
    int reachability(const Text& host, int waitMilliseconds = defaultWait) override;

    std::map<Text, Bytes> pages;         // URL -> bytes; a missing URL reads as no bytes
    std::map<Text, int> answeringHosts;  // host -> milliseconds; a missing host gives -1
    std::multiset<Text> readUrls;
    std::multiset<Text> testedHosts;
    // When set, every call waits until this many calls are under way at the same time, or until
    // one of them has waited two seconds in vain.
    int callsToMeet = 0;
    int mostCallsAtOnce = 0;

private:
    // Counts the call in (recording it in `calls`) until `leave`; waits as callsToMeet asks.
    void enter(std::multiset<Text>& calls, const Text& what);
    void leave();

    std::mutex mutex_;
    std::condition_variable callsChanged_;
    int callsUnderWay_ = 0;
    bool meetingOver_ = false;
};

class FakeResolverCache : public ResolverCache {
public:
    void flush() override { ++flushes; }
    int flushes = 0;
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
