#include "textsvc/text_cipher.hpp"

#include <gtest/gtest.h>

#include <set>

#include "runtime/codepage.hpp"

namespace tesmolen {
namespace {

TEST(TextCipher, KnownAnswers) {
    EXPECT_EQ(decodeText("AANN", "Tesmolen"), "#");
    EXPECT_EQ(
        encodeTextWithSalt(gbk(u8"#A代码开始\r\n0.0.0.0 h1\r\n#代码结束\r\n"), "Tesmolen", "QZ"),
        "QZHHMIACDEFADJOHPFHCPINFBEPIKIBHNGFGBGEPINMFACCNNGBCNPIGMBOLPADHEJMAKAJB");
}

TEST(TextCipher, FirstKeystreamByteComesFromTheSecondEntry) {
    // With a key text that leaves the permutation as it is after the schedule, the first byte
    // is S[S[2] + S[j] + 1]; compare against a direct evaluation of the 1-based arithmetic.
    for (const std::string& keyText :
         std::vector<std::string>{"ab", "TesmolenQZ", std::string(300, '\xFF')}) {
        std::array<unsigned, 257> s{};
        for (unsigned n = 1; n <= 256; ++n) s[n] = n - 1;
        unsigned j = 0;
        for (unsigned i = 1; i <= 256; ++i) {
            j = (j + s[i] + static_cast<unsigned char>(keyText[(i - 1) % keyText.size()])) % 256 +
                1;
            std::swap(s[i], s[j]);
        }
        unsigned i = 2;
        j = s[2] % 256 + 1;
        std::swap(s[i], s[j]);
        unsigned expected = s[(s[i] + s[j]) % 256 + 1];
        CipherStream stream(keyText);
        EXPECT_EQ(stream.next(), expected) << keyText;
    }
}

TEST(TextCipher, DecodeEdges) {
    EXPECT_EQ(decodeText("", "k"), "");
    EXPECT_EQ(decodeText("AB", "k"), "");
    // Small letters decode like capitals.
    const Text cipher = encodeTextWithSalt("hello", "k", "XY");
    Text lower = cipher.substr(0, 2);
    for (char c : cipher.substr(2)) lower += static_cast<char>(c - 'A' + 'a');
    EXPECT_EQ(decodeText(lower, "k"), "hello");
    // An odd last letter is a byte of its own value.
    const Text one = encodeTextWithSalt("a", "k", "XY");
    CipherStream stream(Text("kXY"));
    stream.next();
    const auto second = static_cast<char>(3 ^ stream.next());
    EXPECT_EQ(decodeText("XY" + one.substr(2) + "D", "k"), Text("a") + second);
}

TEST(TextCipher, LettersBeyondPAndOtherCharacters) {
    // "Q".."Z" are 16..25 and a pair's value wraps at 256: "QZ" is 16 * 16 + 25 = 281 -> 25,
    // the same byte as "BJ". A character outside the alphabet counts as "A".
    EXPECT_EQ(decodeText("XYQZ", "k"), decodeText("XYBJ", "k"));
    EXPECT_EQ(decodeText("XYzz", "k"), decodeText("XYKJ", "k"));  // 25 * 16 + 25 = 425 -> 169
    EXPECT_EQ(decodeText("XY@5", "k"), decodeText("XYAA", "k"));
    EXPECT_EQ(decodeText("XY\xC6\xC1", "k"), decodeText("XYAA", "k"));
    EXPECT_EQ(decodeText("XYBJZ", "k"), decodeText("XYBJBJ", "k"));  // a lone last "Z" is 25
}

TEST(TextCipher, DecodedZeroEndsTheText) {
    // Code a text with a zero byte in the middle by hand.
    const Text cipher = encodeTextWithSalt(std::string("ab\0cd", 5), "k", "MN");
    EXPECT_EQ(cipher.size(), 12u);
    EXPECT_EQ(decodeText(cipher, "k"), "ab");
}

TEST(TextCipher, RoundTripsEveryByteAtEveryPosition) {
    const Text key = gbk(u8"Tesmolen广告");
    // Each rotation puts every byte value at another position; twice over, the texts are
    // longer than 256 bytes and every value meets every position of the first 510.
    for (int rotation = 0; rotation < 255; ++rotation) {
        Text text;
        for (int n = 0; n < 510; ++n) text += static_cast<char>((n + rotation) % 255 + 1);
        const Text cipher = encodeText(text, key);
        ASSERT_EQ(cipher.size(), 2 + 2 * text.size());
        EXPECT_GE(cipher[0], 'A');
        EXPECT_LE(cipher[0], 'Z');
        EXPECT_GE(cipher[1], 'A');
        EXPECT_LE(cipher[1], 'Z');
        for (std::size_t i = 2; i < cipher.size(); ++i) {
            ASSERT_TRUE(cipher[i] >= 'A' && cipher[i] <= 'P') << i;
        }
        EXPECT_EQ(decodeText(cipher, key), text);
        EXPECT_NE(decodeText(cipher, "Tesmolen"), text);
    }
}

TEST(TextCipher, SaltsAreFreshAndUniform) {
    std::set<char> seen;
    std::set<Text> salts;
    for (int i = 0; i < 2000; ++i) {
        const Text cipher = encodeText("", "k");
        ASSERT_EQ(cipher.size(), 2u);
        seen.insert(cipher[0]);
        seen.insert(cipher[1]);
        salts.insert(cipher);
        EXPECT_EQ(decodeText(cipher, "k"), "");
    }
    EXPECT_EQ(seen.size(), 26u);
    EXPECT_GT(salts.size(), 500u);
}

}  // namespace
}  // namespace tesmolen
