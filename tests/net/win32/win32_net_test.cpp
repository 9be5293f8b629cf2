#include "runtime/win32/win32_net.hpp"

#include <gtest/gtest.h>

#include <chrono>

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
    EXPECT_EQ(net.httpRead(server.url("/missing")), "");
    EXPECT_EQ(net.httpRead(server.url("/broken")), "");
    EXPECT_EQ(net.httpRead(server.url("/cut")), "");
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

TEST_F(Win32NetTest, AHostThatDoesNotAnswerIsUnreachableAfterTheWaitingTime) {
    // An address of the documentation block, routed nowhere: the connection is never answered.
    const auto start = std::chrono::steady_clock::now();
    const int result = net.reachability("192.0.2.1", 700);
    const auto taken = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result, -1);
    EXPECT_LT(taken, 5s);
}

}  // namespace
}  // namespace tesmolen
