#pragma once
// Texts are GBK byte strings: lengths and positions count bytes. A Text never holds a zero byte;
// Bytes may, and turning Bytes into a Text keeps what stands before the first zero.

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace tesmolen {

using Text = std::string;
using Bytes = std::string;

// The bytes up to the first zero byte.
Text toText(std::string_view bytes);

// The same for bytes that are no longer needed: cut in place, without a copy.
template <typename B>
requires std::same_as<B, Bytes> Text toText(B&& bytes) {
    bytes.resize(std::char_traits<char>::length(bytes.c_str()));
    return std::move(bytes);
}

// The text's bytes, without a terminator.
inline Bytes toBytes(const Text& text) {
    return text;
}

// Decimal digits, no leading zeros or spaces.
Text decimalText(long long number);

// The text cut to at most limit bytes without splitting a two-byte GBK character.
Text cutGbk(const Text& text, std::size_t limit);

// "a".."z" made "A".."Z"; every other byte, GBK lead and trail bytes included, stays.
Text upperCase(std::string_view text);

}  // namespace tesmolen
