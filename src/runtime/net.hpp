#pragma once

#include "runtime/text.hpp"

namespace tesmolen {

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
