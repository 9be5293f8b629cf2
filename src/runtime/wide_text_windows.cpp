// GBK through code page 936, made to agree with the GBK of the Linux build (glibc's iconv): a byte
// that starts no GBK character (0x80, 0xFF, a lead byte without its trail, a pair GBK leaves
// undefined) decodes to U+FFFD and the next byte is read afresh; a character GBK lacks (one the
// code page only maps best-fit, a character beyond the BMP, the euro sign that 936 adds at 0x80)
// encodes as one "?".

#include <windows.h>

#include "runtime/wide_text.hpp"

namespace tesmolen {

namespace {

constexpr UINT gbkCodePage = 936;
constexpr wchar_t replacementCharacter = 0xFFFD;
constexpr wchar_t euroSign = 0x20AC;

bool isLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// The bytes as UTF-16 when every one of them is GBK; false when one is not.
bool decodeStrictly(std::string_view gbk, std::wstring& wide) {
    for (char c : gbk) {
        if (c == '\x80' || c == '\xFF') return false;
    }
    const int size = static_cast<int>(gbk.size());
    const int length =
        MultiByteToWideChar(gbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), size, nullptr, 0);
    if (length <= 0) return false;
    wide.resize(static_cast<std::size_t>(length));
    MultiByteToWideChar(gbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), size, wide.data(), length);
    return true;
}

// Decodes character by character, replacing what is not GBK.
std::wstring decodeRepairing(std::string_view gbk) {
    std::wstring wide;
    wide.reserve(gbk.size());
    for (std::size_t at = 0; at < gbk.size();) {
        const auto byte = static_cast<unsigned char>(gbk[at]);
        if (byte < 0x80) {
            wide += static_cast<wchar_t>(byte);
            ++at;
            continue;
        }
        wchar_t character = 0;
        if (isLeadByte(byte) && at + 1 < gbk.size() &&
            MultiByteToWideChar(gbkCodePage, MB_ERR_INVALID_CHARS, gbk.data() + at, 2, &character,
                                1) == 1) {
            wide += character;
            at += 2;
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
        kept += pair || c == euroSign ? L'?' : c;
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
