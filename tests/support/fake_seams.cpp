#include "support/fake_seams.hpp"

namespace tesmolen::testing {

Bytes FakeNet::httpRead(const Text& url) {
    readUrls.push_back(url);
    auto it = pages.find(url);
    return it == pages.end() ? Bytes{} : it->second;
}

int FakeNet::reachability(const Text& host, int) {
    testedHosts.push_back(host);
    auto it = answeringHosts.find(host);
    return it == answeringHosts.end() ? -1 : it->second;
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
