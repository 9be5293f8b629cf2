#include "runtime/qt/curl_net.hpp"

#include <curl/curl.h>

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

// Stops the transfer (as a write error) once the reply outgrows the limit.
size_t appendBytes(char* data, size_t size, size_t count, void* bytes) {
    auto& received = *static_cast<Bytes*>(bytes);
    const size_t length = size * count;
    if (received.size() + length > CurlNet::maximumBytes) return 0;
    received.append(data, length);
    return length;
}

}  // namespace

CurlNet::CurlNet(long totalTimeoutMilliseconds, long answerWaitSeconds)
    : totalTimeout_(totalTimeoutMilliseconds), answerWait_(answerWaitSeconds) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
}

CurlNet::~CurlNet() {
    curl_global_cleanup();
}

Bytes CurlNet::httpRead(const Text& url) {
    Easy easy = newEasy(answerWait_ * 1000);
    if (!easy) return {};
    Bytes bytes;
    curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy.get(), CURLOPT_TIMEOUT_MS, totalTimeout_);
    // Less than a byte a second for the whole answer wait is silence.
    curl_easy_setopt(easy.get(), CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_LOW_SPEED_TIME, answerWait_);
    curl_easy_setopt(easy.get(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(easy.get(), CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy.get(), CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maximumBytes));
    curl_easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, appendBytes);
    curl_easy_setopt(easy.get(), CURLOPT_WRITEDATA, &bytes);
    if (curl_easy_perform(easy.get()) != CURLE_OK) return {};
    return bytes;
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
