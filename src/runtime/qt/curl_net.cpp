#include "runtime/qt/curl_net.hpp"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <memory>

namespace tesmolen {

namespace {

using Easy = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

Easy newEasy(long connectTimeout) {
    Easy easy(curl_easy_init(), &curl_easy_cleanup);
    if (easy) {
        curl_easy_setopt(easy.get(), CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy.get(), CURLOPT_PROXY, "");
        curl_easy_setopt(easy.get(), CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy.get(), CURLOPT_CONNECTTIMEOUT_MS, connectTimeout);
    }
    return easy;
}

struct Reception {
    Bytes bytes;
    std::size_t limit;
};

// Stops the transfer (as a write error) once the reply outgrows the limit.
size_t appendBytes(char* data, size_t size, size_t count, void* reception) {
    auto& received = *static_cast<Reception*>(reception);
    const size_t length = size * count;
    if (received.bytes.size() + length > received.limit) return 0;
    received.bytes.append(data, length);
    return length;
}

// curl counts a silence in whole seconds.
long wholeSeconds(std::chrono::milliseconds time) {
    return std::max(1L, static_cast<long>(std::chrono::ceil<std::chrono::seconds>(time).count()));
}

}  // namespace

CurlNet::CurlNet(NetLimits limits) : limits_(limits) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
}

CurlNet::~CurlNet() {
    curl_global_cleanup();
}

Bytes CurlNet::httpRead(const Text& url) {
    Easy easy = newEasy(static_cast<long>(limits_.answerWait.count()));
    if (!easy) return {};
    Reception reception{{}, limits_.bytes};
    curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy.get(), CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.total.count()));
    // Less than a byte a second for the whole answer wait is silence.
    curl_easy_setopt(easy.get(), CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_LOW_SPEED_TIME, wholeSeconds(limits_.answerWait));
    curl_easy_setopt(easy.get(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_MAXREDIRS, static_cast<long>(limits_.redirects));
    curl_easy_setopt(easy.get(), CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy.get(), CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits_.bytes));
    curl_easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, appendBytes);
    curl_easy_setopt(easy.get(), CURLOPT_WRITEDATA, &reception);
    if (curl_easy_perform(easy.get()) != CURLE_OK) return {};
    return std::move(reception.bytes);
}

int CurlNet::reachability(const Text& host, int waitMilliseconds) {
    if (host.empty()) return -1;
    const long wait = waitMilliseconds > 0 ? waitMilliseconds : defaultWait;
    Easy easy = newEasy(wait);
    if (!easy) return -1;
    const Text url = "http://" + host + "/";
    curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy.get(), CURLOPT_CONNECT_ONLY, 1L);
    const auto start = std::chrono::steady_clock::now();
    if (curl_easy_perform(easy.get()) != CURLE_OK) return -1;
    const auto taken = std::chrono::steady_clock::now() - start;
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(taken).count());
}

}  // namespace tesmolen
