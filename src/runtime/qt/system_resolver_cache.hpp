#pragma once

#include "runtime/elevated_write.hpp"
#include "runtime/resolver_cache.hpp"

namespace tesmolen {

// The name caches of a Linux system, flushed by the program after a file it wrote itself. A save
// that went through the privileged hosts writer was flushed by the writer already.
class SystemResolverCache : public ResolverCache {
public:
    explicit SystemResolverCache(const CommandWriter& elevatedWriter)
        : elevatedWriter_(elevatedWriter) {}

    void flush() override;

private:
    const CommandWriter& elevatedWriter_;
    unsigned elevatedWritesSeen_ = 0;
};

}  // namespace tesmolen
