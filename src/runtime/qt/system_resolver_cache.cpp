#include "runtime/qt/system_resolver_cache.hpp"

#include "runtime/resolver_cache_commands.hpp"

namespace tesmolen {

void SystemResolverCache::flush() {
    const unsigned elevatedWrites = elevatedWriter_.writesMade();
    if (elevatedWrites != elevatedWritesSeen_) {
        elevatedWritesSeen_ = elevatedWrites;
        return;
    }
    flushResolverCaches();
}

}  // namespace tesmolen
