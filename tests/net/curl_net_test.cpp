#include "runtime/qt/curl_net.hpp"

#include "support/net_contract.hpp"

namespace tesmolen::testing {

INSTANTIATE_TEST_SUITE_P(Curl, NetContract, realisedBy(makeNet<CurlNet>));

}  // namespace tesmolen::testing
