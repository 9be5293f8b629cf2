#include <gtest/gtest.h>

#include "runtime/codepage.hpp"
#include "textsvc/regex_object.hpp"

namespace tesmolen {
namespace {

const Text pairs = R"(#([\s\S]*?)#)";

TEST(RegexObject, PairsOfHashesAreConsumedFromTheStart) {
    RegexObject regex;
    EXPECT_TRUE(regex.compileAndRun(pairs, "#a#b#c#"));
    ASSERT_EQ(regex.matchCount(), 2);
    EXPECT_EQ(regex.groupText(1, 1), "a");
    EXPECT_EQ(regex.groupText(2, 1), "c");
    EXPECT_EQ(regex.matchText(2), "#c#");
    EXPECT_EQ(regex.groupCount(), 1);

    regex.compileAndRun(pairs, "##");
    ASSERT_EQ(regex.matchCount(), 1);
    EXPECT_EQ(regex.groupText(1, 1), "");

    for (const char* subject : {"", "abc", "a#b"}) {
        regex.compileAndRun(pairs, subject);
        EXPECT_EQ(regex.matchCount(), 0) << subject;
        EXPECT_EQ(regex.groupCount(), 0);
    }
}

TEST(RegexObject, LineBreaksBelongToTheGroup) {
    RegexObject regex;
    regex.compileAndRun(pairs, "x#a\r\nb\n#y");
    EXPECT_EQ(regex.groupText(1, 1), "a\r\nb\n");
}

TEST(RegexObject, OutOfRangeGivesEmptyResults) {
    RegexObject regex;
    EXPECT_EQ(regex.matchCount(), 0);  // before the first run
    EXPECT_EQ(regex.currentPattern(), "");
    regex.compileAndRun(pairs, "#a#");
    int position = 99;
    EXPECT_EQ(regex.groupText(0, 1, &position), "");
    EXPECT_EQ(position, -1);
    EXPECT_EQ(regex.groupText(2, 1), "");
    EXPECT_EQ(regex.groupText(1, 2), "");
    EXPECT_EQ(regex.matchText(0), "");
    EXPECT_EQ(regex.matchText(5), "");
}

TEST(RegexObject, InvalidPatternFailsQuietly) {
    RegexObject regex;
    EXPECT_FALSE(regex.compileAndRun("([", "(["));
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.matchText(1), "");
    EXPECT_EQ(regex.replaceAll("x"), "");
}

TEST(RegexObject, Options) {
    RegexObject regex;
    // Case-insensitive unless told otherwise.
    regex.compileAndRun("abc", "ABC abc");
    EXPECT_EQ(regex.matchCount(), 2);
    regex.compileAndRun("abc", "ABC abc", {.caseSensitive = true});
    EXPECT_EQ(regex.matchCount(), 1);
    // Multi-line by default: "^" matches after every line end.
    regex.compileAndRun("^x", "x\nx\nx");
    EXPECT_EQ(regex.matchCount(), 3);
    regex.compileAndRun("^x", "x\nx\nx", {.multiLine = false});
    EXPECT_EQ(regex.matchCount(), 1);
    // Global false: the first match only.
    regex.compileAndRun("x", "xxx", {.global = false});
    EXPECT_EQ(regex.matchCount(), 1);
}

TEST(RegexObject, QuotePlaceholderStandsForADoubleQuote) {
    const Text quote = gbk(u8"#引号");
    const Text pattern = quote + "(.*?)" + quote;
    const Text subject = "say \"hi\" and " + quote + "x" + quote;
    RegexObject regex;
    regex.compileAndRun(pattern, subject, {.quotePlaceholder = true});
    ASSERT_EQ(regex.matchCount(), 1);
    EXPECT_EQ(regex.groupText(1, 1), "hi");
    EXPECT_EQ(regex.currentPattern(), "\"(.*?)\"");
    regex.compileAndRun(pattern, subject);
    ASSERT_EQ(regex.matchCount(), 1);
    EXPECT_EQ(regex.groupText(1, 1), "x");
}

TEST(RegexObject, BytePositionsCountGbkBytes) {
    RegexObject regex;
    const Text subject = gbk(u8"代码#规则#");
    regex.compileAndRun(pairs, subject);
    int position = -5;
    EXPECT_EQ(regex.matchText(1, &position), gbk(u8"#规则#"));
    EXPECT_EQ(position, 4);
    EXPECT_EQ(regex.groupText(1, 1, &position), gbk(u8"规则"));
    EXPECT_EQ(position, 5);
}

TEST(RegexObject, EmptyMatchesAdvance) {
    RegexObject regex;
    regex.compileAndRun("x*", "axb");
    // Empty at 0, "x" at 1, empty at 2, empty at 3.
    ASSERT_EQ(regex.matchCount(), 4);
    EXPECT_EQ(regex.matchText(2), "x");
    EXPECT_EQ(regex.replaceAll("-"), "-a--b-");
}

TEST(RegexObject, ReplaceAllSyntax) {
    RegexObject regex;
    regex.compileAndRun("(a)(b)", "xaby ab");
    EXPECT_EQ(regex.replaceAll("[$2$1|$&|$$|$3|$0]"), "x[ba|ab|$|$3|$0]y [ba|ab|$|$3|$0]");
    regex.compileAndRun("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)", "abcdefghijk");
    EXPECT_EQ(regex.replaceAll("$11$10$1$"), "kja$");
    regex.compileAndRun("(a)", "aa", {.global = false});
    EXPECT_EQ(regex.replaceAll("<$1>"), "<a>a");
}

TEST(RegexObject, DestroyReleasesEverything) {
    RegexObject regex;
    regex.compileAndRun(pairs, "#a#");
    regex.destroy();
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.groupText(1, 1), "");
    EXPECT_EQ(regex.currentPattern(), "");
    // Can run again after destroy.
    regex.compileAndRun(pairs, "#b#");
    EXPECT_EQ(regex.groupText(1, 1), "b");
}

TEST(RegexObject, HugeSpansAreSearchedToTheEnd) {
    // 20 MB: three pairs whose bodies are several megabytes each, then a small one.
    const std::size_t span = 6 * 1024 * 1024;
    Text subject;
    subject.reserve(21 * 1024 * 1024);
    for (int i = 0; i < 3; ++i) {
        subject += '#';
        subject.append(span, i % 2 ? '\n' : 'a');
        subject += '#';
    }
    subject += "junk#tail#";
    subject.append(20 * 1024 * 1024 - subject.size(), 'z');
    RegexObject regex;
    ASSERT_TRUE(regex.compileAndRun(pairs, subject));
    ASSERT_EQ(regex.matchCount(), 4);
    EXPECT_EQ(regex.groupText(2, 1).size(), span);
    EXPECT_EQ(regex.groupText(4, 1), "tail");
}

}  // namespace
}  // namespace tesmolen
