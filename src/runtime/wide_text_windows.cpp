// GBK through code page 936, made to agree with the GBK of the Linux build (glibc's iconv): a byte
// that starts no GBK character (0xFF, a lead byte without its trail, a pair GBK leaves undefined,
// or one of the user-defined pairs that 936 gives private-use characters) decodes to U+FFFD and
// the next byte is read afresh; a character GBK lacks (one the code page only maps best-fit, a
// private-use character, a character beyond the BMP) encodes as one "?".

#include <windows.h>

#include <algorithm>

#include "runtime/wide_text.hpp"

namespace tesmolen {

namespace {

constexpr UINT gbkCodePage = 936;
constexpr wchar_t replacementCharacter = 0xFFFD;

bool isPrivateUse(wchar_t c) {
    return c >= 0xE000 && c <= 0xF8FF;
}

// The bytes as UTF-16 when every one of them is GBK; false when one is not.
bool decodeStrictly(std::string_view gbk, std::wstring& wide) {
    const int size = static_cast<int>(gbk.size());
    const int length =
        MultiByteToWideChar(gbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), size, nullptr, 0);
    if (length <= 0) return false;
    wide.resize(static_cast<std::size_t>(length));
    MultiByteToWideChar(gbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), size, wide.data(), length);
    return std::none_of(wide.begin(), wide.end(), isPrivateUse);
}

// The one GBK character these bytes make, if they make one.
bool decodeOne(const char* bytes, int count, wchar_t& character) {
    const int made =
        MultiByteToWideChar(gbkCodePage, MB_ERR_INVALID_CHARS, bytes, count, &character, 1);
    return made == 1 && !isPrivateUse(character);
}

// Decodes character by character, replacing what is not GBK.
std::wstring decodeRepairing(std::string_view gbk) {
    std::wstring wide;
    wide.reserve(gbk.size());
    for (std::size_t at = 0; at < gbk.size();) {
        const int count = isGbkLeadByte(gbk[at]) ? 2 : 1;
        wchar_t character = 0;
        if (at + count <= gbk.size() && decodeOne(gbk.data() + at, count, character)) {
            wide += character;
            at += count;
        } else {
            wide += replacementCharacter;
            ++at;
        }
    }
    return wide;
}

// One "?" for every character GBK lacks that the code page would not turn into "?" by itself.
std::wstring withoutCharactersGbkLacks(std::wstring_view wide) {
    std::wstring kept;
    kept.reserve(wide.size());
    for (std::size_t at = 0; at < wide.size(); ++at) {
        const wchar_t c = wide[at];
        const bool pair = c >= 0xD800 && c <= 0xDBFF && at + 1 < wide.size() &&
                          wide[at + 1] >= 0xDC00 && wide[at + 1] <= 0xDFFF;
        if (pair) ++at;
        kept += pair || isPrivateUse(c) ? L'?' : c;
    }
    return kept;
}

}  // namespace

std::wstring gbkToWide(std::string_view gbk) {
    std::wstring wide;
    if (gbk.empty() || decodeStrictly(gbk, wide)) return wide;
    return decodeRepairing(gbk);
}

Text wideToGbk(std::wstring_view wide) {
    if (wide.empty()) return {};
    const std::wstring kept = withoutCharactersGbkLacks(wide);
    const int size = static_cast<int>(kept.size());
    const int length = WideCharToMultiByte(gbkCodePage, WC_NO_BEST_FIT_CHARS, kept.data(), size,
                                           nullptr, 0, "?", nullptr);
    Text gbk(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(gbkCodePage, WC_NO_BEST_FIT_CHARS, kept.data(), size, gbk.data(), length,
                        "?", nullptr);
    return gbk;
}

}  // namespace tesmolen
