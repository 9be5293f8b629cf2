#pragma once

#include <chrono>
#include <memory>

#include "runtime/net.hpp"

namespace tesmolen {

// HTTP through WinHTTP; reachability as the time a Winsock connection to the host takes.
// Connections go straight to the host: no proxy settings are taken from the system.
class Win32Net : public Net {
public:
    // A read ends without bytes when the server leaves the connection or the reply silent for
    // answerTimeout, or when the whole read takes longer than totalTimeout.
    explicit Win32Net(std::chrono::milliseconds answerTimeout = defaultAnswerTimeout,
                      std::chrono::milliseconds totalTimeout = defaultTotalTimeout);
    ~Win32Net() override;
    Win32Net(const Win32Net&) = delete;
    Win32Net& operator=(const Win32Net&) = delete;

    // Only http and https, redirects included; a reply that is not a success, that is cut off,
    // that does not complete in time, or that grows beyond maximumBytes gives no bytes.
    Bytes httpRead(const Text& url) override;
    // A waiting time of 0 or less means the default one.
    int reachability(const Text& host, int waitMilliseconds = defaultWait) override;

    static constexpr std::chrono::milliseconds defaultAnswerTimeout{5000};
    static constexpr std::chrono::milliseconds defaultTotalTimeout{15000};
    static constexpr std::size_t maximumBytes = 8 * 1024 * 1024;
    static constexpr int maximumRedirects = 5;

private:
    struct Session;
    std::unique_ptr<Session> session_;
    std::chrono::milliseconds totalTimeout_;
};

}  // namespace tesmolen
