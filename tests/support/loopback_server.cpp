#include "support/loopback_server.hpp"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace tesmolen::testing {

namespace {

#ifdef _WIN32
using Socket = SOCKET;
constexpr int noSignal = 0;

void closeSocket(Socket socket) {
    ::closesocket(socket);
}

bool ready(Socket socket, short events, int milliseconds) {
    WSAPOLLFD waiting{socket, events, 0};
    return ::WSAPoll(&waiting, 1, milliseconds) > 0;
}
bool readable(Socket socket, int milliseconds) {
    return ready(socket, POLLRDNORM, milliseconds);
}
bool writable(Socket socket, int milliseconds) {
    return ready(socket, POLLWRNORM, milliseconds);
}

void setNonBlocking(Socket socket) {
    u_long nonBlocking = 1;
    ::ioctlsocket(socket, FIONBIO, &nonBlocking);
}
bool wouldBlock() {
    return ::WSAGetLastError() == WSAEWOULDBLOCK;
}

// Winsock for as long as a server or a port test needs it.
struct Winsock {
    Winsock() {
        WSADATA data;
        if (::WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup");
    }
    ~Winsock() { ::WSACleanup(); }
};
#else
using Socket = int;
constexpr int noSignal = MSG_NOSIGNAL;
constexpr Socket INVALID_SOCKET = -1;

void closeSocket(Socket socket) {
    ::close(socket);
}

bool ready(Socket socket, short events, int milliseconds) {
    pollfd waiting{socket, events, 0};
    return ::poll(&waiting, 1, milliseconds) > 0;
}
bool readable(Socket socket, int milliseconds) {
    return ready(socket, POLLIN, milliseconds);
}
bool writable(Socket socket, int milliseconds) {
    return ready(socket, POLLOUT, milliseconds);
}

void setNonBlocking(Socket socket) {
    ::fcntl(socket, F_SETFL, ::fcntl(socket, F_GETFL) | O_NONBLOCK);
}
bool wouldBlock() {
    return errno == EAGAIN || errno == EWOULDBLOCK;
}

// Nothing to start on POSIX.
struct Winsock {
    Winsock() {}
};
#endif

Socket socketOf(std::intptr_t id) {
    return static_cast<Socket>(id);
}

// Binds a TCP socket to 127.0.0.1 on a free port; returns the socket and fills the port.
Socket boundSocket(int& port) {
    const Socket socket = ::socket(AF_INET, SOCK_STREAM, 0);
    if (socket == INVALID_SOCKET) throw std::runtime_error("socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(socket, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closeSocket(socket);
        throw std::runtime_error("bind");
    }
    port = ntohs(address.sin_port);
    return socket;
}

}  // namespace

struct LoopbackServer::Network : Winsock {};

LoopbackServer::LoopbackServer() : network_(std::make_unique<Network>()) {
    const Socket listener = boundSocket(port_);
    listener_ = static_cast<std::intptr_t>(listener);
    if (::listen(listener, 8) != 0) throw std::runtime_error("listen");
    thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    thread_.join();
    closeSocket(socketOf(listener_));
}

void LoopbackServer::page(const std::string& path, const std::string& body) {
    reply(path, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                    "\r\nConnection: close\r\n\r\n" + body);
}

int LoopbackServer::closedPort() {
    const Winsock winsock;
    int port = 0;
    closeSocket(boundSocket(port));
    return port;
}

void LoopbackServer::serve() {
    const Socket listener = socketOf(listener_);
    while (!stopping_) {
        if (!readable(listener, 50)) continue;
        const Socket connection = ::accept(listener, nullptr, nullptr);
        if (connection == INVALID_SOCKET) continue;
        setNonBlocking(connection);
        answer(static_cast<std::intptr_t>(connection));
        closeSocket(connection);
    }
}

void LoopbackServer::answer(std::intptr_t connectionId) {
    const Socket connection = socketOf(connectionId);
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        if (stopping_) return;
        if (!readable(connection, 50)) continue;
        const auto got = ::recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) return;  // a bare connection test closes without a request
        request.append(buffer, static_cast<size_t>(got));
    }
    const size_t start = request.find(' ') + 1;
    const std::string path = request.substr(start, request.find(' ', start) - start);
    // Silent until the client hangs up or the server stops.
    const auto holdSilent = [&] {
        while (!stopping_) {
            if (!readable(connection, 50)) continue;
            const auto got = ::recv(connection, buffer, sizeof buffer, 0);
            if (got == 0 || (got < 0 && !wouldBlock())) return;
        }
    };
    auto it = replies_.find(path);
    if (it == replies_.end()) {
        holdSilent();
        return;
    }
    const std::string& raw = it->second;
    for (size_t sent = 0; sent < raw.size();) {
        // A client that stops reading must not keep the server from stopping.
        if (!writable(connection, 50)) {
            if (stopping_) return;
            continue;
        }
        const auto put =
            ::send(connection, raw.data() + sent,
                   static_cast<int>(std::min<size_t>(raw.size() - sent, 1 << 20)), noSignal);
        if (put < 0 && wouldBlock()) continue;
        if (put <= 0) return;  // the client gave up
        sent += static_cast<size_t>(put);
    }
    if (holding_.count(path) != 0) holdSilent();
}

}  // namespace tesmolen::testing
