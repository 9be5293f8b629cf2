#pragma once
// What every realisation of the network does alike, against a server on the loopback. A test
// file runs it for its realisation with
//     INSTANTIATE_TEST_SUITE_P(Name, NetContract, realisedBy(makeNet<Realisation>));

#include <gtest/gtest.h>

#include <memory>

#include "runtime/net.hpp"
#include "support/loopback_server.hpp"

namespace tesmolen::testing {

using MakeNet = std::unique_ptr<Net> (*)(const NetLimits& limits);

template <typename Realisation>
std::unique_ptr<Net> makeNet(const NetLimits& limits) {
    return std::make_unique<Realisation>(limits);
}

class NetContract : public ::testing::TestWithParam<MakeNet> {
protected:
    NetContract();

    // The realisation under test with these limits.
    std::unique_ptr<Net> netWith(const NetLimits& limits) const { return GetParam()(limits); }

    LoopbackServer server;
    // The default limits, with a silence ended after one second.
    std::unique_ptr<Net> net;
};

::testing::internal::ParamGenerator<MakeNet> realisedBy(MakeNet make);

}  // namespace tesmolen::testing
