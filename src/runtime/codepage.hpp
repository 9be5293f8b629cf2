#pragma once
// Conversion between the program's GBK texts and UTF-8, used only where a text meets the toolkit
// or the file system. Neither direction fails: bytes that are not GBK decode to U+FFFD, and
// characters that GBK lacks encode as "?".

#include <optional>
#include <string>
#include <string_view>

#include "runtime/text.hpp"

#ifdef _WIN32
// The same texts as the wide Win32 API takes them.
#include "runtime/wide_text.hpp"
#endif

namespace tesmolen {

std::string gbkToUtf8(std::string_view gbk);
Text utf8ToGbk(std::string_view utf8);

// The same for a text that must come through whole, such as a key: nothing when the input is not
// UTF-8 or holds a character that GBK lacks, where utf8ToGbk would put "?".
std::optional<Text> utf8ToGbkExactly(std::string_view utf8);

// True when the bytes are GBK: single bytes below 0x80, or a lead byte 0x81..0xFE followed by a
// trail byte 0x40..0x7E or 0x80..0xFE.
bool isGbk(std::string_view bytes);

// A u8"..." literal as GBK bytes. Callers keep the result in a function-local static so the
// conversion happens once.
inline Text gbk(std::u8string_view literal) {
    return utf8ToGbk(
        std::string_view(reinterpret_cast<const char*>(literal.data()), literal.size()));
}

}  // namespace tesmolen
