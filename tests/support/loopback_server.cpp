#include "support/loopback_server.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace tesmolen::testing {

namespace {

// Binds a TCP socket to 127.0.0.1 on a free port; returns the socket and fills the port.
int boundSocket(int& port) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) throw std::runtime_error("socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        throw std::runtime_error("bind");
    }
    port = ntohs(address.sin_port);
    return fd;
}

bool readable(int fd, int milliseconds) {
    pollfd waiting{fd, POLLIN, 0};
    return ::poll(&waiting, 1, milliseconds) > 0;
}

}  // namespace

LoopbackServer::LoopbackServer() {
    listener_ = boundSocket(port_);
    if (::listen(listener_, 8) != 0) throw std::runtime_error("listen");
    thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    thread_.join();
    ::close(listener_);
}

void LoopbackServer::page(const std::string& path, const std::string& body) {
    reply(path, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                    "\r\nConnection: close\r\n\r\n" + body);
}

int LoopbackServer::closedPort() {
    int port = 0;
    ::close(boundSocket(port));
    return port;
}

void LoopbackServer::serve() {
    while (!stopping_) {
        if (!readable(listener_, 50)) continue;
        int connection = ::accept(listener_, nullptr, nullptr);
        if (connection < 0) continue;
        answer(connection);
        ::close(connection);
    }
}

void LoopbackServer::answer(int connection) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        if (stopping_) return;
        if (!readable(connection, 50)) continue;
        ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) return;  // a bare connection test closes without a request
        request.append(buffer, static_cast<size_t>(got));
    }
    const size_t start = request.find(' ') + 1;
    const std::string path = request.substr(start, request.find(' ', start) - start);
    auto it = replies_.find(path);
    if (it == replies_.end()) {
        // Silent until the client hangs up or the server stops.
        while (!stopping_) {
            if (readable(connection, 50) && ::recv(connection, buffer, sizeof buffer, 0) <= 0) {
                return;
            }
        }
        return;
    }
    const std::string& raw = it->second;
    for (size_t sent = 0; sent < raw.size();) {
        ssize_t put = ::send(connection, raw.data() + sent, raw.size() - sent, MSG_NOSIGNAL);
        if (put <= 0) return;  // the client gave up
        sent += static_cast<size_t>(put);
    }
}

}  // namespace tesmolen::testing
