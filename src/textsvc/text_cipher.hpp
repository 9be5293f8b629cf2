#pragma once
// The text cipher: a text becomes two salt letters followed by one letter pair per byte, under a
// key. Its permutation arithmetic is 1-based and differs from textbook RC4 on purpose: rule files
// written by other copies of the program must read back here, and the other way round.

#include <array>
#include <cstdint>
#include <string_view>

#include "runtime/text.hpp"

namespace tesmolen {

// Key schedule and keystream over the key text (the key's bytes followed by the salt).
class CipherStream {
public:
    explicit CipherStream(std::string_view keyText);
    std::uint8_t next();

private:
    std::array<std::uint8_t, 257> permutation_{};  // entries 1..256 are used
    unsigned i_ = 0;
    unsigned j_ = 0;
};

// The text of a cipher text. Letters count without regard to case ("A"/"a" = 0 ... "Z"/"z" =
// 25); any other character counts as 0. A wrong key gives other bytes, never an error.
Text decodeText(std::string_view cipherText, std::string_view key);

// The cipher text of a text under the key, with a fresh random salt of two letters "A".."Z".
Text encodeText(std::string_view text, std::string_view key);

// The same with a given salt of two bytes.
Text encodeTextWithSalt(std::string_view text, std::string_view key, std::string_view salt);

}  // namespace tesmolen
