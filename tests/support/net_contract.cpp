#include "support/net_contract.hpp"

#include <chrono>

#include "support/test_program.hpp"

namespace tesmolen::testing {

using namespace std::chrono_literals;
using namespace std::string_literals;
using Clock = std::chrono::steady_clock;

NetContract::NetContract() : net(netWith({.total = 20s, .answerWait = 1s})) {}

::testing::internal::ParamGenerator<MakeNet> realisedBy(MakeNet make) {
    return ::testing::Values(make);
}

namespace {

Text closedHost() {
    return "127.0.0.1:" + std::to_string(LoopbackServer::closedPort());
}

std::string redirectTo(const std::string& location) {
    return "HTTP/1.1 302 Found\r\nLocation: " + location +
           "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
}

// How long the call takes.
template <typename Call>
Clock::duration timed(Call call) {
    const auto start = Clock::now();
    call();
    return Clock::now() - start;
}

TEST_P(NetContract, ReadGivesTheBytesAsSentAndFollowsRedirects) {
    const Bytes picture = "\xFF\xD8\xFF\xE0\0\x10JFIF\0\r\n<end>"s;
    server.page("/kovrel/ad/banner1.jpg", picture);
    server.reply("/old", redirectTo("/kovrel/ad/banner1.jpg"));
    EXPECT_EQ(net->httpRead(server.url("/kovrel/ad/banner1.jpg")), picture);
    EXPECT_EQ(net->httpRead(server.url("/old")), picture);
}

TEST_P(NetContract, FailedReadsGiveNoBytes) {
    server.reply("/missing",
                 "HTTP/1.1 404 Not Found\r\nContent-Length: 20\r\n"
                 "Connection: close\r\n\r\n<html>missing</html>");
    server.reply("/broken", "HTTP/1.1 500 Oops\r\nContent-Length: 3\r\n\r\nbad");
    server.reply("/cut", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nonly part");
    server.reply("/round", redirectTo("/round"));
    EXPECT_EQ(net->httpRead(server.url("/missing")), "");
    EXPECT_EQ(net->httpRead(server.url("/broken")), "");
    EXPECT_EQ(net->httpRead(server.url("/cut")), "");
    EXPECT_EQ(net->httpRead(server.url("/round")), "") << "redirects without end";
    EXPECT_EQ(net->httpRead("http://" + closedHost() + "/notice.txt"), "");
    EXPECT_EQ(net->httpRead(""), "");
    EXPECT_EQ(net->httpRead("not an address"), "");
}

TEST_P(NetContract, RedirectsAreFollowedUpToTheLimit) {
    for (int hop = 1; hop <= 3; ++hop) {
        server.reply("/hop" + std::to_string(hop), redirectTo("/hop" + std::to_string(hop + 1)));
    }
    server.page("/hop4", "arrived");
    EXPECT_EQ(netWith({.redirects = 3})->httpRead(server.url("/hop1")), "arrived");
    EXPECT_EQ(netWith({.redirects = 2})->httpRead(server.url("/hop1")), "");
}

TEST_P(NetContract, OnlyWebAddressesAreRead) {
    const TempFolder temp;
    temp.write("notice.txt", "notice");
    const std::string path = (temp.folder() / "notice.txt").generic_string();
    const std::string fileUrl = "file://" + std::string(path.front() == '/' ? "" : "/") + path;
    server.page("/notice.txt", "notice");
    server.reply("/to-file", redirectTo(fileUrl));
    EXPECT_EQ(net->httpRead(fileUrl), "");
    EXPECT_EQ(net->httpRead("ftp://" + server.host() + "/notice.txt"), "");
    EXPECT_EQ(net->httpRead(server.url("/to-file")), "");
}

TEST_P(NetContract, AReplyBeyondTheByteLimitGivesNoBytes) {
    const std::size_t limit = NetLimits{}.bytes;
    const std::string big(limit + 1, 'x');
    server.reply("/announced", "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(big.size()) +
                                   "\r\n\r\n" + big);
    server.reply("/unannounced", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + big);
    server.page("/just-fits", big.substr(1));
    EXPECT_EQ(net->httpRead(server.url("/announced")), "");
    EXPECT_EQ(net->httpRead(server.url("/unannounced")), "");
    EXPECT_EQ(net->httpRead(server.url("/just-fits")).size(), limit);
}

TEST_P(NetContract, ASilentServerIsLeftAfterTheAnswerWait) {
    // No reply is set for the path, so the server holds the connection in silence.
    server.replyAndHold("/stalled", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nfirst part");
    for (const char* path : {"/silent", "/stalled"}) {
        const auto taken = timed([&] { EXPECT_EQ(net->httpRead(server.url(path)), "") << path; });
        EXPECT_GE(taken, 900ms) << path;
        EXPECT_LT(taken, 10s) << path << ": the read waits for the answer, not the total time";
    }
}

TEST_P(NetContract, AReadEndsAtTheTotalTimeEvenWhileWaitingForTheAnswer) {
    const auto patient = netWith({.total = 1s, .answerWait = 60s});
    const auto taken = timed([&] { EXPECT_EQ(patient->httpRead(server.url("/silent")), ""); });
    EXPECT_LT(taken, 10s);
}

TEST_P(NetContract, ReachabilityIsTheTimeAConnectionTakes) {
    EXPECT_GE(net->reachability(server.host()), 0);
    EXPECT_GE(net->reachability(server.host(), 0), 0) << "no waiting time means the default";
    EXPECT_GE(net->reachability("localhost:" + std::to_string(server.port())), 0);
}

TEST_P(NetContract, AClosedPortOrAnUnknownHostIsUnreachable) {
    const auto taken = timed([&] { EXPECT_EQ(net->reachability(closedHost(), 60000), -1); });
    EXPECT_LT(taken, 30s) << "a refused connection is an answer at once, not a timeout";
    EXPECT_EQ(net->reachability(""), -1);
    EXPECT_EQ(net->reachability("no-such-host.invalid"), -1);
    EXPECT_EQ(net->reachability("127.0.0.1:notaport"), -1);
}

}  // namespace
}  // namespace tesmolen::testing
