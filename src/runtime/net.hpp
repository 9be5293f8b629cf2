#pragma once

#include <chrono>
#include <cstddef>

#include "runtime/text.hpp"

namespace tesmolen {

// What an HTTP read may cost before it ends without bytes.
struct NetLimits {
    // The most bytes a reply may have.
    std::size_t bytes = 8 * 1024 * 1024;
    // The whole read, redirects included.
    std::chrono::milliseconds total = std::chrono::seconds(15);
    // How long the server may stay silent: no connection, or no byte, for this long ends the
    // read. Four reads at start-up against a server that accepts and never answers cost 20 s.
    std::chrono::milliseconds answerWait = std::chrono::seconds(5);
    int redirects = 5;
};

class Net {
public:
    virtual ~Net() = default;
    // The bytes the server sends back for the URL; no bytes on any failure.
    virtual Bytes httpRead(const Text& url) = 0;
    // Connects to the host's HTTP port (the host text may carry ":port"). The time taken in
    // milliseconds, or -1 when the host does not answer within the waiting time.
    virtual int reachability(const Text& host, int waitMilliseconds = defaultWait) = 0;

    static constexpr int defaultWait = 3000;
};

}  // namespace tesmolen
