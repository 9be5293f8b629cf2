#include <gtest/gtest.h>

#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "runtime/random.hpp"
#include "runtime/text.hpp"
#include "support/test_program.hpp"

namespace tesmolen {
namespace {

using namespace std::string_literals;

TEST(Text, EndsAtTheFirstZeroByte) {
    EXPECT_EQ(toText("ab\0cd"s), "ab");
    EXPECT_EQ(toText("\0ab"s), "");
    EXPECT_EQ(toText("abc"), "abc");
    EXPECT_EQ(toBytes("ab").size(), 2u);
    // Bytes handed over are cut in place.
    EXPECT_EQ(toText(Bytes("ab\0cd"s)), "ab");
    EXPECT_EQ(toText(Bytes("abc")), "abc");
    Bytes kept = "x\0y"s;
    EXPECT_EQ(toText(kept), "x");
    EXPECT_EQ(kept.size(), 3u);
}

TEST(Text, DecimalAndUpperCase) {
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(11), "11");
    EXPECT_EQ(decimalText(-7), "-7");
    // Only a..z change; GBK bytes and other letters stay.
    EXPECT_EQ(upperCase("az\xC4\xE3{`"), "AZ\xC4\xE3{`");
}

TEST(CodePage, LiteralsBecomeGbkBytes) {
    EXPECT_EQ(gbk(u8"代码开始"), "\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC");
    EXPECT_EQ(gbk(u8"#代码结束\r\n"), "#\xB4\xFA\xC2\xEB\xBD\xE1\xCA\xF8\r\n");
    EXPECT_EQ(gbkToUtf8("\xB4\xFA\xC2\xEB"), std::string(reinterpret_cast<const char*>(u8"代码")));
}

TEST(CodePage, NeverFails) {
    // A lone lead byte and an undefined byte decode to U+FFFD; the rest survives.
    EXPECT_EQ(gbkToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(gbkToUtf8("a\xB4"), "a\xEF\xBF\xBD");
    // Characters GBK lacks encode as "?", one per character.
    EXPECT_EQ(gbk(u8"a😀b"), "a?b");
    EXPECT_EQ(utf8ToGbk("a\xFF" "b"), "a?b");
    EXPECT_EQ(gbkToUtf8(""), "");
}

TEST(Files, MissingFileReadsAsEmpty) {
    testing::TempFolder temp;
    EXPECT_EQ(readWholeFile(temp.path("missing")), "");
    EXPECT_FALSE(fileExists(temp.path("missing")));
    temp.write("bytes", "a\0b\r\n"s);
    EXPECT_EQ(readWholeFile(temp.path("bytes")), "a\0b\r\n"s);
    EXPECT_TRUE(fileExists(temp.path("bytes")));
    EXPECT_FALSE(fileExists(pathText(temp.folder())));
}

TEST(Files, FoldersEndInASeparator) {
    const auto separator = static_cast<char>(std::filesystem::path::preferred_separator);
    EXPECT_EQ(currentDirectory().back(), separator);
    EXPECT_EQ(programFolder().back(), separator);
}

TEST(Random, StaysInRangeAndReachesBothEnds) {
    bool low = false;
    bool high = false;
    for (int i = 0; i < 2000; ++i) {
        int n = randomInteger(97, 122);
        ASSERT_GE(n, 97);
        ASSERT_LE(n, 122);
        low |= n == 97;
        high |= n == 122;
    }
    EXPECT_TRUE(low && high);
}

}  // namespace
}  // namespace tesmolen
