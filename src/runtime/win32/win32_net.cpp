#include "runtime/win32/win32_net.hpp"

// Winsock before windows.h, which would bring the old one.
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <winhttp.h>
#include <shlwapi.h>
// clang-format on

#include <algorithm>
#include <optional>
#include <string>

#include "runtime/wide_text.hpp"

namespace tesmolen {

namespace {

using Clock = std::chrono::steady_clock;

struct InternetCloser {
    void operator()(HINTERNET handle) const { WinHttpCloseHandle(handle); }
};
using Internet = std::unique_ptr<void, InternetCloser>;

struct AddressesFreer {
    void operator()(ADDRINFOW* addresses) const { FreeAddrInfoW(addresses); }
};
using Addresses = std::unique_ptr<ADDRINFOW, AddressesFreer>;

class Socket {
public:
    explicit Socket(SOCKET socket) : socket_(socket) {}
    ~Socket() {
        if (socket_ != INVALID_SOCKET) closesocket(socket_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    SOCKET get() const { return socket_; }

private:
    SOCKET socket_;
};

class Winsock {
public:
    Winsock() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~Winsock() {
        if (started_) WSACleanup();
    }
    Winsock(const Winsock&) = delete;
    Winsock& operator=(const Winsock&) = delete;

private:
    bool started_ = false;
};

// Every wait of WinHTTP, at most the answer wait and never past the deadline.
void limitWaits(HINTERNET request, const NetLimits& limits, Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    const int wait =
        static_cast<int>(std::clamp(left, std::chrono::milliseconds(1), limits.answerWait).count());
    WinHttpSetTimeouts(request, wait, wait, wait, wait);
    // The wait for the reply's head is a timeout of its own.
    DWORD response = static_cast<DWORD>(wait);
    WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &response, sizeof response);
}

std::chrono::milliseconds elapsedSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

// The host name and port of "host", "host:port" or "[v6 address]:port"; the port is 80 without
// one.
struct HostAndPort {
    std::wstring name;
    std::wstring port = L"80";
};

HostAndPort splitHost(const std::wstring& host) {
    HostAndPort result;
    if (!host.empty() && host.front() == L'[') {
        const size_t close = host.find(L']');
        if (close == std::wstring::npos) return {host, result.port};
        result.name = host.substr(1, close - 1);
        if (close + 1 < host.size() && host[close + 1] == L':') {
            result.port = host.substr(close + 2);
        }
        return result;
    }
    const size_t colon = host.find(L':');
    if (colon == std::wstring::npos || host.find(L':', colon + 1) != std::wstring::npos) {
        result.name = host;
        return result;
    }
    result.name = host.substr(0, colon);
    result.port = host.substr(colon + 1);
    return result;
}

// Connects without blocking longer than the time left; true when the connection stood.
bool connectsWithin(const ADDRINFOW& address, std::chrono::milliseconds timeLeft) {
    if (timeLeft.count() <= 0) return false;
    Socket socket(::socket(address.ai_family, address.ai_socktype, address.ai_protocol));
    if (socket.get() == INVALID_SOCKET) return false;
    u_long nonBlocking = 1;
    if (ioctlsocket(socket.get(), FIONBIO, &nonBlocking) != 0) return false;
    if (connect(socket.get(), address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) {
        return true;
    }
    if (WSAGetLastError() != WSAEWOULDBLOCK) return false;
    fd_set writable;
    fd_set failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(socket.get(), &writable);
    FD_SET(socket.get(), &failed);
    timeval wait{static_cast<long>(timeLeft.count() / 1000),
                 static_cast<long>(timeLeft.count() % 1000 * 1000)};
    if (select(0, nullptr, &writable, &failed, &wait) <= 0) return false;
    if (FD_ISSET(socket.get(), &failed)) return false;
    int error = 0;
    int length = sizeof error;
    if (getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) !=
        0) {
        return false;
    }
    return error == 0;
}

// The value of a numeric header, if the reply has it.
std::optional<DWORD> numberHeader(HINTERNET request, DWORD header) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!WinHttpQueryHeaders(request, header | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &value, &size,
                             WINHTTP_NO_HEADER_INDEX)) {
        return std::nullopt;
    }
    return value;
}

// The reply to one request: its bytes, or where a redirect points; neither on failure.
struct Reply {
    Bytes bytes;
    std::wstring location;
};

bool isRedirect(DWORD status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

std::wstring textHeader(HINTERNET request, DWORD header) {
    DWORD size = 0;
    WinHttpQueryHeaders(request, header, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER,
                        &size, WINHTTP_NO_HEADER_INDEX);
    if (size == 0) return {};
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(request, header, WINHTTP_HEADER_NAME_BY_INDEX, value.data(), &size,
                             WINHTTP_NO_HEADER_INDEX)) {
        return {};
    }
    value.resize(size / sizeof(wchar_t));
    return value;
}

// A redirect's target, resolved against the address it came from.
std::wstring resolved(const std::wstring& base, const std::wstring& location) {
    if (location.empty()) return {};
    std::wstring target(4096, L'\0');
    DWORD length = static_cast<DWORD>(target.size());
    if (UrlCombineW(base.c_str(), location.c_str(), target.data(), &length, 0) != S_OK) return {};
    target.resize(length);
    return target;
}

// The body of a successful reply, as long as it stays within the limits.
Bytes body(HINTERNET request, const NetLimits& limits, Clock::time_point deadline) {
    const std::optional<DWORD> length = numberHeader(request, WINHTTP_QUERY_CONTENT_LENGTH);
    if (length && *length > limits.bytes) return {};
    Bytes bytes;
    for (;;) {
        if (Clock::now() > deadline) return {};
        DWORD available = 0;
        if (!WinHttpQueryDataAvailable(request, &available)) return {};
        if (available == 0) break;
        if (bytes.size() + available > limits.bytes) return {};
        const size_t before = bytes.size();
        bytes.resize(before + available);
        DWORD read = 0;
        if (!WinHttpReadData(request, bytes.data() + before, available, &read)) return {};
        bytes.resize(before + read);
    }
    if (length && bytes.size() != *length) return {};
    return bytes;
}

// One GET of an http or https address. Redirects are followed by the caller, so that each hop
// is checked like the first.
Reply fetch(HINTERNET session, const std::wstring& address, const NetLimits& limits,
            Clock::time_point deadline) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(address.c_str(), static_cast<DWORD>(address.size()), 0, &parts)) return {};
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return {};
    const std::wstring hostName(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    // The fragment stays with the browser.
    path = path.substr(0, path.find(L'#'));

    const Internet connection(WinHttpConnect(session, hostName.c_str(), parts.nPort, 0));
    if (!connection) return {};
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    const Internet request(WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr,
                                              WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                              secure));
    if (!request) return {};
    limitWaits(request.get(), limits, deadline);
    DWORD noRedirects = WINHTTP_DISABLE_REDIRECTS;
    WinHttpSetOption(request.get(), WINHTTP_OPTION_DISABLE_FEATURE, &noRedirects,
                     sizeof noRedirects);
    if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                            WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request.get(), nullptr)) {
        return {};
    }
    const std::optional<DWORD> status = numberHeader(request.get(), WINHTTP_QUERY_STATUS_CODE);
    if (!status) return {};
    if (isRedirect(*status)) {
        return {{}, resolved(address, textHeader(request.get(), WINHTTP_QUERY_LOCATION))};
    }
    if (*status < 200 || *status > 299) return {};
    return {body(request.get(), limits, deadline), {}};
}

}  // namespace

struct Win32Net::Session {
    Winsock winsock;
    Internet http;
};

Win32Net::Win32Net(NetLimits limits) : session_(std::make_unique<Session>()), limits_(limits) {
    session_->http.reset(WinHttpOpen(L"Tesmolen", WINHTTP_ACCESS_TYPE_NO_PROXY,
                                     WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
}

Win32Net::~Win32Net() = default;

Bytes Win32Net::httpRead(const Text& url) {
    if (!session_->http || url.empty()) return {};
    const auto deadline = Clock::now() + limits_.total;
    std::wstring address = gbkToWide(url);
    for (int redirects = 0; redirects <= limits_.redirects; ++redirects) {
        Reply reply = fetch(session_->http.get(), address, limits_, deadline);
        if (reply.location.empty()) return std::move(reply.bytes);
        address = std::move(reply.location);
    }
    return {};
}

int Win32Net::reachability(const Text& host, int waitMilliseconds) {
    if (host.empty()) return -1;
    const std::chrono::milliseconds wait(waitMilliseconds > 0 ? waitMilliseconds : defaultWait);
    const auto start = Clock::now();
    const HostAndPort target = splitHost(gbkToWide(host));
    ADDRINFOW hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    ADDRINFOW* found = nullptr;
    if (GetAddrInfoW(target.name.c_str(), target.port.c_str(), &hints, &found) != 0) return -1;
    const Addresses addresses(found);
    for (const ADDRINFOW* address = addresses.get(); address; address = address->ai_next) {
        if (connectsWithin(*address, wait - elapsedSince(start))) {
            return static_cast<int>(elapsedSince(start).count());
        }
    }
    return -1;
}

}  // namespace tesmolen
