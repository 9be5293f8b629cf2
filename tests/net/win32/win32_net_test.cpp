#include "runtime/win32/win32_net.hpp"

#include <gtest/gtest.h>
#include <winsock2.h>

#include <chrono>
#include <vector>

#include "support/loopback_server.hpp"

namespace tesmolen {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
using testing::LoopbackServer;

Text closedHost() {
    return "127.0.0.1:" + std::to_string(LoopbackServer::closedPort());
}

class Win32NetTest : public ::testing::Test {
protected:
    LoopbackServer server;
    Win32Net net{1s, 20s};
};

TEST_F(Win32NetTest, ReadGivesTheBytesAsSentAndFollowsRedirects) {
    const Bytes picture = "\xFF\xD8\xFF\xE0\0\x10JFIF\0\r\n<end>"s;
    server.page("/kovrel/ad/banner1.jpg", picture);
    server.reply("/old",
                 "HTTP/1.1 302 Found\r\nLocation: /kovrel/ad/banner1.jpg\r\nContent-Length: 0\r\n"
                 "Connection: close\r\n\r\n");
    EXPECT_EQ(net.httpRead(server.url("/kovrel/ad/banner1.jpg")), picture);
    EXPECT_EQ(net.httpRead(server.url("/old")), picture);
}

TEST_F(Win32NetTest, FailedReadsGiveNoBytes) {
    server.reply("/missing",
                 "HTTP/1.1 404 Not Found\r\nContent-Length: 20\r\n"
                 "Connection: close\r\n\r\n<html>missing</html>");
    server.reply("/broken", "HTTP/1.1 500 Oops\r\nContent-Length: 3\r\n\r\nbad");
    server.reply("/cut", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nonly part");
    server.reply("/round", "HTTP/1.1 302 Found\r\nLocation: /round\r\nContent-Length: 0\r\n\r\n");
    EXPECT_EQ(net.httpRead(server.url("/missing")), "");
    EXPECT_EQ(net.httpRead(server.url("/broken")), "");
    EXPECT_EQ(net.httpRead(server.url("/cut")), "");
    EXPECT_EQ(net.httpRead(server.url("/round")), "") << "redirects without end";
    EXPECT_EQ(net.httpRead("http://" + closedHost() + "/notice.txt"), "");
    EXPECT_EQ(net.httpRead(""), "");
    EXPECT_EQ(net.httpRead("not an address"), "");
}

TEST_F(Win32NetTest, OnlyWebAddressesAreRead) {
    server.page("/notice.txt", "notice");
    EXPECT_EQ(net.httpRead("file:///C:/windows/win.ini"), "");
    EXPECT_EQ(net.httpRead("ftp://" + server.host() + "/notice.txt"), "");
    server.reply("/to-file",
                 "HTTP/1.1 302 Found\r\nLocation: file:///C:/windows/win.ini\r\n"
                 "Content-Length: 0\r\n\r\n");
    EXPECT_EQ(net.httpRead(server.url("/to-file")), "");
}

TEST_F(Win32NetTest, AnOversizedReplyGivesNoBytes) {
    const std::string big(Win32Net::maximumBytes + 1, 'x');
    server.reply("/announced", "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(big.size()) +
                                   "\r\n\r\n" + big);
    server.reply("/unannounced", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + big);
    server.page("/just-fits", big.substr(1));
    EXPECT_EQ(net.httpRead(server.url("/announced")), "");
    EXPECT_EQ(net.httpRead(server.url("/unannounced")), "");
    EXPECT_EQ(net.httpRead(server.url("/just-fits")).size(), Win32Net::maximumBytes);
}

TEST_F(Win32NetTest, AServerThatNeverAnswersGivesNoBytesOnceTheAnswerTimeIsOver) {
    // No reply is set for the path, so the server holds the connection in silence.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(net.httpRead(server.url("/silent")), "");
    const auto taken = std::chrono::steady_clock::now() - start;
    EXPECT_GE(taken, 900ms);
    EXPECT_LT(taken, 10s) << "the read waits for the answer time, not for the total time";
}

TEST_F(Win32NetTest, AReplyThatStopsHalfWayGivesNoBytesOnceTheAnswerTimeIsOver) {
    server.replyAndHold("/stalled", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nfirst part");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(net.httpRead(server.url("/stalled")), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

TEST_F(Win32NetTest, ReachabilityIsTheTimeAConnectionTakes) {
    EXPECT_GE(net.reachability(server.host()), 0);
    EXPECT_GE(net.reachability(server.host(), 0), 0) << "no waiting time means the default";
    EXPECT_GE(net.reachability("localhost:" + std::to_string(server.port())), 0);
}

TEST_F(Win32NetTest, AClosedPortOrAnUnknownHostIsUnreachable) {
    EXPECT_EQ(net.reachability(closedHost(), 60000), -1);
    EXPECT_EQ(net.reachability(""), -1);
    EXPECT_EQ(net.reachability("no-such-host.invalid"), -1);
    EXPECT_EQ(net.reachability("127.0.0.1:notaport"), -1);
}

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

TEST_F(Win32NetTest, AHostThatDoesNotAnswerIsUnreachableAfterTheWaitingTime) {
    const FullQueue full;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(net.reachability(full.host(), 700), -1);
    const auto taken = std::chrono::steady_clock::now() - start;
    EXPECT_GE(taken, 600ms);
    EXPECT_LT(taken, 5s);
}

}  // namespace
}  // namespace tesmolen
