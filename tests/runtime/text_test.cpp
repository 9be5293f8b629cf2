#include "runtime/text.hpp"

#include <gtest/gtest.h>

#include "runtime/codepage.hpp"
#include "runtime/files.hpp"
#include "runtime/random.hpp"
#include "support/test_program.hpp"

#ifndef _WIN32
#include "support/unprivileged.hpp"
#endif

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
    EXPECT_EQ(gbkToUtf8("a\xFF"
                        "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(gbkToUtf8("a\xB4"), "a\xEF\xBF\xBD");
    // Both builds read GBK alike: 0x80 is the euro sign, a user-defined pair is no character.
    EXPECT_EQ(gbkToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(gbk(u8"€"), "\x80");
    EXPECT_EQ(gbkToUtf8("\xA1\x40\xAA\xA1"), "\xEF\xBF\xBD@\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(utf8ToGbk("\xEE\x80\x80"), "?");  // U+E000, private use
    // Characters GBK lacks encode as "?", one per character.
    EXPECT_EQ(gbk(u8"a😀b"), "a?b");
    EXPECT_EQ(utf8ToGbk("a\xFF"
                        "b"),
              "a?b");
    EXPECT_EQ(gbkToUtf8(""), "");
}

TEST(CodePage, ExactConversionAndGbkCheckRefuseWhatIsNotThere) {
    EXPECT_EQ(utf8ToGbkExactly(reinterpret_cast<const char*>(u8"屏蔽 rules")),
              "\xC6\xC1\xB1\xCE rules");
    EXPECT_EQ(utf8ToGbkExactly(""), "");
    // A character without a GBK form, a stray byte and a cut-off sequence give nothing.
    for (const char* refused : {"a\xF0\x9F\x98\x80", "a\xFF", "a\xE5\xB9"}) {
        EXPECT_EQ(utf8ToGbkExactly(refused), std::nullopt) << refused;
    }

    EXPECT_TRUE(isGbk(""));
    EXPECT_TRUE(isGbk("#\r\n\t\x01\xB0\xA1\x81\x40\xFE\xFE"));
    for (const char* broken : {"\x80", "\xFF\xA1", "\xB0", "\xB0\x7F", "\xB0\x3F", "\xB0\xFF"}) {
        EXPECT_FALSE(isGbk(broken)) << ::testing::PrintToString(std::string(broken));
    }
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

#ifndef _WIN32
TEST(Files, RuleFileDialogsOpenWhereTheUserMayWrite) {
    EXPECT_EQ(ruleFileFolder(), currentDirectory());  // the tests' own folder
    // Started in a folder of the system, as from /usr/bin: the home folder.
    const auto folder = testing::runUnprivileged([] {
        const std::filesystem::path started = std::filesystem::current_path();
        std::filesystem::current_path("/");
        setenv("HOME", "/nonexistent/home", 1);
        const Text folder = ruleFileFolder();
        std::filesystem::current_path(started);
        return folder;
    });
    EXPECT_EQ(folder, "/nonexistent/home/");
}
#endif

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
