#pragma once

#include "runtime/net.hpp"

namespace tesmolen {

// HTTP through libcurl; reachability as the time a TCP connection to the host takes. Connections
// go straight to the host: no proxy settings are taken from the environment.
class CurlNet : public Net {
public:
    explicit CurlNet(NetLimits limits = {});
    ~CurlNet() override;
    CurlNet(const CurlNet&) = delete;
    CurlNet& operator=(const CurlNet&) = delete;

    // Only http and https, redirects included; a reply that is not a success or that goes
    // beyond the limits gives no bytes.
    Bytes httpRead(const Text& url) override;
    // A waiting time of 0 or less means the default one.
    int reachability(const Text& host, int waitMilliseconds = defaultWait) override;

private:
    NetLimits limits_;
};

}  // namespace tesmolen
