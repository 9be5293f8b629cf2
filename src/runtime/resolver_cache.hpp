#pragma once

namespace tesmolen {

// The system's cache of resolved host names, which may go on answering for a host that the hosts
// file now blocks until it forgets it.
class ResolverCache {
public:
    virtual ~ResolverCache() = default;
    // Asks the system to forget the names it has resolved, as far as it allows. A cache that
    // cannot be flushed, or that is not there, is no fault: nothing is reported.
    virtual void flush() = 0;
};

}  // namespace tesmolen
