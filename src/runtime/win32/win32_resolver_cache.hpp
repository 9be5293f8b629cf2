#pragma once

#include "runtime/resolver_cache.hpp"

namespace tesmolen {

// The DNS client's cache of Windows, flushed through dnsapi.dll.
class Win32ResolverCache : public ResolverCache {
public:
    void flush() override { flushDnsClientCache(); }

    // True when the DNS client took the flush; false when it refused it or when the system has
    // no such call.
    static bool flushDnsClientCache();
};

}  // namespace tesmolen
