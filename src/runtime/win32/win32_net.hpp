#pragma once

#include <memory>

#include "runtime/net.hpp"

namespace tesmolen {

// HTTP through WinHTTP; reachability as the time a Winsock connection to the host takes.
// Connections go straight to the host: no proxy settings are taken from the system.
class Win32Net : public Net {
public:
    explicit Win32Net(NetLimits limits = {});
    ~Win32Net() override;
    Win32Net(const Win32Net&) = delete;
    Win32Net& operator=(const Win32Net&) = delete;

    // Only http and https, redirects included; a reply that is not a success, that is cut off,
    // or that goes beyond the limits gives no bytes.
    Bytes httpRead(const Text& url) override;
    // A waiting time of 0 or less means the default one.
    int reachability(const Text& host, int waitMilliseconds = defaultWait) override;

private:
    struct Session;
    std::unique_ptr<Session> session_;
    NetLimits limits_;
};

}  // namespace tesmolen
