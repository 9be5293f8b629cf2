#include "runtime/win32/win32_net.hpp"

#include <gtest/gtest.h>
#include <winsock2.h>

#include <chrono>
#include <vector>

#include "support/net_contract.hpp"

namespace tesmolen::testing {
namespace {

using namespace std::chrono_literals;

INSTANTIATE_TEST_SUITE_P(WinHttp, NetContract, realisedBy(makeNet<Win32Net>));

// A port whose listener never accepts: once its queue is full, the system leaves further
// connections unanswered.
class FullQueue {
public:
    FullQueue() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int length = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        listen(listener_, 1);
        port_ = ntohs(address.sin_port);
        for (int i = 0; i < 4; ++i) {
            SOCKET waiting = socket(AF_INET, SOCK_STREAM, 0);
            u_long nonBlocking = 1;
            ioctlsocket(waiting, FIONBIO, &nonBlocking);
            connect(waiting, reinterpret_cast<sockaddr*>(&address), length);
            queued_.push_back(waiting);
        }
    }
    ~FullQueue() {
        for (SOCKET waiting : queued_) closesocket(waiting);
        closesocket(listener_);
        WSACleanup();
    }
    FullQueue(const FullQueue&) = delete;
    FullQueue& operator=(const FullQueue&) = delete;

    Text host() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    SOCKET listener_;
    int port_ = 0;
    std::vector<SOCKET> queued_;
};

TEST(Win32Net, AHostThatDoesNotAnswerIsUnreachableAfterTheWaitingTime) {
    const FullQueue full;
    Win32Net net;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(net.reachability(full.host(), 700), -1);
    const auto taken = std::chrono::steady_clock::now() - start;
    EXPECT_GE(taken, 600ms);
    EXPECT_LT(taken, 5s);
}

}  // namespace
}  // namespace tesmolen::testing
