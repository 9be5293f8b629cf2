#include "runtime/qt/curl_net.hpp"

#include <gtest/gtest.h>

#include <chrono>

#include "support/loopback_server.hpp"

namespace tesmolen {
namespace {

using namespace std::string_literals;
using testing::LoopbackServer;

class CurlNetTest : public ::testing::Test {
protected:
    LoopbackServer server;
    CurlNet net{2000};
};

TEST_F(CurlNetTest, ReadGivesTheBytesAsSent) {
    const Bytes picture = "\xFF\xD8\xFF\xE0\0\x10JFIF\0\r\n<end>"s;
    server.page("/kovrel/ad/banner1.jpg", picture);
    EXPECT_EQ(net.httpRead(server.url("/kovrel/ad/banner1.jpg")), picture);
}

TEST_F(CurlNetTest, ReadFollowsRedirects) {
    server.reply("/old",
                 "HTTP/1.1 302 Found\r\nLocation: /new\r\nContent-Length: 0\r\n"
                 "Connection: close\r\n\r\n");
    server.page("/new", "moved here");
    EXPECT_EQ(net.httpRead(server.url("/old")), "moved here");
}

TEST_F(CurlNetTest, FailedReadsGiveNoBytes) {
    server.reply("/missing",
                 "HTTP/1.1 404 Not Found\r\nContent-Length: 20\r\n"
                 "Connection: close\r\n\r\n<html>missing</html>");
    server.reply("/broken", "HTTP/1.1 500 Oops\r\nContent-Length: 3\r\n\r\nbad");
    server.reply("/cut", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nonly part");
    EXPECT_EQ(net.httpRead(server.url("/missing")), "");
    EXPECT_EQ(net.httpRead(server.url("/broken")), "");
    EXPECT_EQ(net.httpRead(server.url("/cut")), "");
    EXPECT_EQ(net.httpRead("http://127.0.0.1:" + std::to_string(LoopbackServer::closedPort()) +
                           "/notice.txt"),
              "");
    EXPECT_EQ(net.httpRead(""), "");
}

TEST_F(CurlNetTest, OnlyWebAddressesAreRead) {
    EXPECT_EQ(net.httpRead("file:///etc/hostname"), "");
    server.reply("/to-file",
                 "HTTP/1.1 302 Found\r\nLocation: file:///etc/hostname\r\n"
                 "Content-Length: 0\r\n\r\n");
    EXPECT_EQ(net.httpRead(server.url("/to-file")), "");
}

TEST_F(CurlNetTest, AnOversizedReplyGivesNoBytes) {
    const std::string big(CurlNet::maximumBytes + 1, 'x');
    server.reply("/announced", "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(big.size()) +
                                   "\r\n\r\n" + big);
    server.reply("/unannounced", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + big);
    server.page("/just-fits", big.substr(1));
    EXPECT_EQ(net.httpRead(server.url("/announced")), "");
    EXPECT_EQ(net.httpRead(server.url("/unannounced")), "");
    EXPECT_EQ(net.httpRead(server.url("/just-fits")).size(), CurlNet::maximumBytes);
}

TEST_F(CurlNetTest, AServerThatNeverAnswersGivesNoBytesAfterTheTotalTimeout) {
    // No reply is set for the path, so the server holds the connection in silence.
    EXPECT_EQ(net.httpRead(server.url("/silent")), "");
}

TEST_F(CurlNetTest, AServerThatAcceptsAndStaysSilentIsLeftAfterTheAnswerWait) {
    EXPECT_EQ(CurlNet::defaultAnswerWait, 5) << "four silent reads at start-up cost 20 s at most";
    CurlNet patient{60000, 1};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(patient.httpRead(server.url("/silent")), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5))
        << "one second of silence ends the read, long before the total timeout";
}

TEST_F(CurlNetTest, AListeningHostIsReachable) {
    EXPECT_GE(net.reachability(server.host()), 0);
    EXPECT_GE(net.reachability(server.host(), 0), 0) << "no waiting time means the default";
}

TEST_F(CurlNetTest, AClosedPortIsUnreachableWithoutWaitingOutTheTime) {
    const Text closed = "127.0.0.1:" + std::to_string(LoopbackServer::closedPort());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(net.reachability(closed, 60000), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30))
        << "a refused connection is an answer at once, not a timeout";
    EXPECT_EQ(net.reachability(""), -1);
}

}  // namespace
}  // namespace tesmolen
