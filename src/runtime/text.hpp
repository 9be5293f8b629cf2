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

// True for a byte that starts a two-byte GBK character (when a byte follows it).
constexpr bool isGbkLeadByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x81 && value <= 0xFE;
}

// The longest start of the text of at most limit bytes that does not split a two-byte GBK
// character. Looks at no more than limit + 1 bytes, whatever the text's length.
std::string_view cutGbk(std::string_view text, std::size_t limit);

// "a".."z" made "A".."Z"; every other byte, GBK lead and trail bytes included, stays.
Text upperCase(std::string_view text);

}  // namespace tesmolen
