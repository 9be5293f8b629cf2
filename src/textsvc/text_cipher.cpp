#include "textsvc/text_cipher.hpp"

#include "runtime/random.hpp"

#include <utility>

namespace tesmolen {

CipherStream::CipherStream(std::string_view keyText) {
    std::array<std::uint8_t, 257> keyTable{};
    for (unsigned n = 1; n <= 256; ++n) permutation_[n] = static_cast<std::uint8_t>(n - 1);
    if (!keyText.empty()) {
        std::size_t p = 0;
        for (unsigned n = 1; n <= 256; ++n) {
            if (p >= keyText.size()) p = 0;
            keyTable[n] = static_cast<std::uint8_t>(keyText[p++]);
        }
    }
    unsigned j = 0;
    for (unsigned i = 1; i <= 256; ++i) {
        j = ((j + permutation_[i] + keyTable[i]) % 256) + 1;
        std::swap(permutation_[i], permutation_[j]);
    }
}

std::uint8_t CipherStream::next() {
    i_ = ((i_ + 1) % 256) + 1;
    j_ = ((j_ + permutation_[i_]) % 256) + 1;
    std::swap(permutation_[i_], permutation_[j_]);
    unsigned t = ((permutation_[i_] + permutation_[j_]) % 256) + 1;
    return permutation_[t];
}

namespace {

constexpr std::array<std::uint8_t, 256> letterValues = [] {
    std::array<std::uint8_t, 256> values{};
    for (unsigned c = 0; c < 26; ++c) {
        values['A' + c] = static_cast<std::uint8_t>(c);
        values['a' + c] = static_cast<std::uint8_t>(c);
    }
    return values;
}();

unsigned letterValue(char c) { return letterValues[static_cast<unsigned char>(c)]; }

Text keyTextOf(std::string_view key, std::string_view salt) {
    Text keyText(key);
    keyText += salt;
    return keyText;
}

}  // namespace

Text decodeText(std::string_view cipherText, std::string_view key) {
    std::string_view salt = cipherText.substr(0, 2);
    std::string_view body = cipherText.size() > 2 ? cipherText.substr(2) : std::string_view{};
    CipherStream stream(keyTextOf(key, salt));
    Text text((body.size() + 1) / 2, '\0');
    char* out = text.data();
    std::size_t q = 0;
    for (; q + 1 < body.size(); q += 2) {
        unsigned value = (16 * letterValue(body[q]) + letterValue(body[q + 1])) % 256;
        *out++ = static_cast<char>(value ^ stream.next());
    }
    if (q < body.size()) *out = static_cast<char>(letterValue(body[q]) ^ stream.next());
    // The text ends at its first zero byte.
    return toText(std::move(text));
}

Text encodeTextWithSalt(std::string_view text, std::string_view key, std::string_view salt) {
    CipherStream stream(keyTextOf(key, salt));
    Text cipher(salt.size() + 2 * text.size(), '\0');
    std::copy(salt.begin(), salt.end(), cipher.begin());
    char* out = cipher.data() + salt.size();
    for (char c : text) {
        unsigned coded = static_cast<unsigned char>(c) ^ stream.next();
        *out++ = static_cast<char>('A' + (coded >> 4));
        *out++ = static_cast<char>('A' + (coded & 15));
    }
    return cipher;
}

Text encodeText(std::string_view text, std::string_view key) {
    Text salt;
    salt += static_cast<char>(randomInteger('a', 'z'));
    salt += static_cast<char>(randomInteger('a', 'z'));
    return encodeTextWithSalt(text, key, upperCase(salt));
}

}  // namespace tesmolen
