#include "runtime/codepage.hpp"

#ifdef _WIN32
#include <windows.h>

#include "runtime/wide_text.hpp"
#else
#include <iconv.h>
#endif

#include <algorithm>
#include <cerrno>

namespace tesmolen {

#ifdef _WIN32

namespace {
// Between GBK and UTF-8 through UTF-16; the GBK side goes through wide_text, which makes code
// page 936 agree with the Linux build's GBK.
std::string convert(std::string_view in, UINT from, UINT to) {
    if (in.empty()) return {};
    std::wstring w;
    if (from == 936) {
        w = gbkToWide(in);
    } else {
        int wide = MultiByteToWideChar(from, 0, in.data(), static_cast<int>(in.size()), nullptr, 0);
        w.resize(static_cast<size_t>(wide));
        MultiByteToWideChar(from, 0, in.data(), static_cast<int>(in.size()), w.data(), wide);
    }
    if (to == 936) return wideToGbk(w);
    const int wide = static_cast<int>(w.size());
    int n = WideCharToMultiByte(to, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(to, 0, w.data(), wide, out.data(), n, nullptr, nullptr);
    return out;
}
}  // namespace

std::string gbkToUtf8(std::string_view gbk) {
    return convert(gbk, 936, CP_UTF8);
}
Text utf8ToGbk(std::string_view utf8) {
    return convert(utf8, CP_UTF8, 936);
}

std::optional<Text> utf8ToGbkExactly(std::string_view utf8) {
    if (utf8.empty()) return Text();
    const int size = static_cast<int>(utf8.size());
    int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (wide <= 0) return std::nullopt;
    std::wstring w(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, w.data(), wide);
    BOOL lossy = FALSE;
    int n =
        WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, w.data(), wide, nullptr, 0, nullptr, &lossy);
    if (n <= 0 || lossy) return std::nullopt;
    Text out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, w.data(), wide, out.data(), n, nullptr, &lossy);
    if (lossy) return std::nullopt;
    return out;
}

#else

namespace {

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

// Length of the UTF-8 sequence that starts with this byte; 1 for a stray byte.
size_t utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; an invalid or unconvertible sequence is skipped and replaced.
    // Without a replacement, the conversion stops at the first such sequence and gives nothing.
    template <typename SkipLength>
    std::optional<std::string> run(std::string_view in, std::optional<std::string_view> replacement,
                                   SkipLength skipLength) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            return replacement ? std::optional(out) : std::nullopt;
        }
        out.reserve(in.size() * 3 / 2 + 8);
        char buffer[4096];
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof buffer;
            size_t rc = iconv(cd_, &src, &left, &dst, &room);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc != static_cast<size_t>(-1) || errno == E2BIG) continue;
            // EILSEQ or EINVAL (a sequence cut off at the end): replace and go on.
            if (!replacement) return std::nullopt;
            size_t skip = std::min(left, skipLength(static_cast<unsigned char>(*src)));
            out.append(*replacement);
            src += skip;
            left -= skip;
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string gbkToUtf8(std::string_view gbk) {
    Converter converter("UTF-8", "GBK");
    return *converter.run(gbk, replacementCharacter, [](unsigned char) { return size_t{1}; });
}

Text utf8ToGbk(std::string_view utf8) {
    Converter converter("GBK", "UTF-8");
    return *converter.run(utf8, "?", utf8SequenceLength);
}

std::optional<Text> utf8ToGbkExactly(std::string_view utf8) {
    Converter converter("GBK", "UTF-8");
    return converter.run(utf8, std::nullopt, utf8SequenceLength);
}

#endif

bool isGbk(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size(); ++at) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) continue;
        if (lead == 0x80 || lead == 0xFF || at + 1 == bytes.size()) return false;
        const auto trail = static_cast<unsigned char>(bytes[++at]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
    }
    return true;
}

}  // namespace tesmolen
