#include <gtest/gtest.h>

#include "runtime/win32/win32_resolver_cache.hpp"

namespace tesmolen {
namespace {

TEST(TheDnsClientCache, IsFlushedThroughTheSystemsOwnCall) {
    EXPECT_TRUE(Win32ResolverCache::flushDnsClientCache());
}

}  // namespace
}  // namespace tesmolen
