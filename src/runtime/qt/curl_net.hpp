#pragma once

#include "runtime/net.hpp"

namespace tesmolen {

// HTTP through libcurl; reachability as the time a TCP connection to the host takes. Connections
// go straight to the host: no proxy settings are taken from the environment.
class CurlNet : public Net {
public:
    // A read ends when the reply is not complete within the total timeout, or when the server
    // stays silent for the answer wait: no connection, or no byte, within that many seconds.
    explicit CurlNet(long totalTimeoutMilliseconds = defaultTotalTimeout,
                     long answerWaitSeconds = defaultAnswerWait);
    ~CurlNet() override;
    CurlNet(const CurlNet&) = delete;
    CurlNet& operator=(const CurlNet&) = delete;

    // Only http and https, redirects included; a reply that is not a success, that does not
    // complete within the total timeout, or that grows beyond maximumBytes gives no bytes.
    Bytes httpRead(const Text& url) override;
    // A waiting time of 0 or less means the default one.
    int reachability(const Text& host, int waitMilliseconds = defaultWait) override;

    static constexpr long defaultTotalTimeout = 15000;
    // Four reads at start-up against a server that accepts and never answers cost 20 seconds.
    static constexpr long defaultAnswerWait = 5;
    static constexpr std::size_t maximumBytes = 8 * 1024 * 1024;

private:
    long totalTimeout_;
    long answerWait_;
};

}  // namespace tesmolen
