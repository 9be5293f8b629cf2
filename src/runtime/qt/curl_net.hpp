#pragma once

#include "runtime/net.hpp"

namespace tesmolen {

// HTTP through libcurl; reachability as the time a TCP connection to the host takes. Connections
// go straight to the host: no proxy settings are taken from the environment.
class CurlNet : public Net {
public:
    explicit CurlNet(long totalTimeoutMilliseconds = defaultTotalTimeout);
    ~CurlNet() override;
    CurlNet(const CurlNet&) = delete;
    CurlNet& operator=(const CurlNet&) = delete;

    // Only http and https, redirects included; a reply that is not a success, that does not
    // complete within the total timeout, or that grows beyond maximumBytes gives no bytes.
    Bytes httpRead(const Text& url) override;
    // A waiting time of 0 or less means the default one.
    int reachability(const Text& host, int waitMilliseconds = defaultWait) override;

    static constexpr long connectTimeoutMilliseconds = 3000;
    static constexpr long defaultTotalTimeout = 15000;
    static constexpr std::size_t maximumBytes = 8 * 1024 * 1024;

private:
    long totalTimeout_;
};

}  // namespace tesmolen
