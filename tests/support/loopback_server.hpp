#pragma once
// A tiny HTTP server on 127.0.0.1 for the network tests: it answers each request with the raw
// reply set for its path, or holds the connection open without a word.

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>

namespace tesmolen::testing {

class LoopbackServer {
public:
    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // The raw reply (status line, headers, body) for a path; must be set before the requests.
    void reply(const std::string& path, std::string raw) { replies_[path] = std::move(raw); }
    // Replies "200 OK" with this body and its length.
    void page(const std::string& path, const std::string& body);
    // Sends the raw reply, then holds the connection open without a further word.
    void replyAndHold(const std::string& path, std::string raw) {
        reply(path, std::move(raw));
        holding_.insert(path);
    }

    int port() const { return port_; }
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    std::string url(const std::string& path) const { return "http://" + host() + path; }

    // A loopback port on which nothing listens (it was free a moment ago).
    static int closedPort();

private:
    void serve();
    void answer(std::intptr_t connection);

    // Sockets are ints on POSIX and handles on Windows; both fit an intptr_t.
    struct Network;
    std::unique_ptr<Network> network_;
    std::intptr_t listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::map<std::string, std::string> replies_;
    std::set<std::string> holding_;
    std::thread thread_;
};

}  // namespace tesmolen::testing
