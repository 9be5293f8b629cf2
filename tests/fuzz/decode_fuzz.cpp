// Decoding any bytes under any key never fails, and what it gives codes back to itself.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "textsvc/text_cipher.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t keyLength = std::min<std::size_t>(input[0] % 16, size - 1);
    const std::string_view key = input.substr(1, keyLength);
    const std::string_view cipher = input.substr(1 + keyLength);
    const tesmolen::Text text = tesmolen::decodeText(cipher, key);
    if (text.size() > cipher.size() / 2 + 1) std::abort();
    if (tesmolen::decodeText(tesmolen::encodeTextWithSalt(text, key, "QZ"), key) != text) {
        std::abort();
    }
    return 0;
}
