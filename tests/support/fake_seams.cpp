#include "support/fake_seams.hpp"

#include <algorithm>
#include <chrono>

namespace tesmolen::testing {

void FakeNet::enter(std::multiset<Text>& calls, const Text& what) {
    std::unique_lock lock(mutex_);
    calls.insert(what);
    mostCallsAtOnce = std::max(mostCallsAtOnce, ++callsUnderWay_);
    callsChanged_.notify_all();
    if (callsToMeet == 0 || meetingOver_) return;
    callsChanged_.wait_for(lock, std::chrono::seconds(2),
                           [this] { return meetingOver_ || callsUnderWay_ >= callsToMeet; });
    meetingOver_ = true;
    callsChanged_.notify_all();
}

void FakeNet::leave() {
    std::lock_guard lock(mutex_);
    --callsUnderWay_;
}

Bytes FakeNet::httpRead(const Text& url) {
    enter(readUrls, url);
    auto it = pages.find(url);
    Bytes bytes = it == pages.end() ? Bytes{} : it->second;
    leave();
    return bytes;
}

int FakeNet::reachability(const Text& host, int) {
    enter(testedHosts, host);
    auto it = answeringHosts.find(host);
    const int answer = it == answeringHosts.end() ? -1 : it->second;
    leave();
    return answer;
}

void FakeWindowSystem::enumerateWindows(const std::function<bool(WindowHandle)>& visit) {
    for (const WindowRecord& w : windows) {
        if (!visit(w.handle)) return;
    }
}

WindowRecord FakeWindowSystem::describeWindow(WindowHandle window) {
    for (const WindowRecord& w : windows) {
        if (w.handle == window) return w;
    }
    return WindowRecord{window, 0, 0, {}, {}};
}

Answer FakeWindowSystem::messageBox(WindowHandle owner, const Text& text, const Text& title,
                                    BoxStyle style) {
    boxes.push_back({owner, text, title, style});
    if (answers.empty()) return Answer::ok;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace tesmolen::testing
