#pragma once

#include "runtime/net.hpp"

namespace tesmolen {

// HTTP through libcurl; reachability as the time a TCP connection to the host takes.
class CurlNet : public Net {
public:
    CurlNet();
    ~CurlNet() override;
    CurlNet(const CurlNet&) = delete;
    CurlNet& operator=(const CurlNet&) = delete;

    Bytes httpRead(const Text& url) override;
    int reachability(const Text& host, int waitMilliseconds = defaultWait) override;

    static constexpr long connectTimeoutMilliseconds = 3000;
    static constexpr long totalTimeoutMilliseconds = 15000;
};

}  // namespace tesmolen
