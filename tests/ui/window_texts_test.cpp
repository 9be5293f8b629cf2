#include "ui/window_texts.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/codepage.hpp"

namespace tesmolen {
namespace {

std::string utf8(std::u8string_view text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at; (at = text.find(separator, from)) != std::string::npos;
         from = at + separator.size()) {
        parts.push_back(text.substr(from, at - from));
    }
    parts.push_back(text.substr(from));
    return parts;
}

// Every character has a GBK form (the encoder writes "?" for one that has none).
void expectWholeInGbk(std::u8string_view text) {
    EXPECT_EQ(gbkToUtf8(gbk(text)), utf8(text));
}

// Line breaks are CR LF and nothing else.
void expectOnlyCrLf(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            EXPECT_EQ(text.substr(i, 2), "\r\n") << "at " << i;
        }
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "at " << i;
        }
    }
}

TEST(InstructionsText, Is670GbkBytesWithOneIndentedSectionPerCommand) {
    const std::string text = utf8(instructionsText());
    expectWholeInGbk(instructionsText());
    EXPECT_EQ(gbk(instructionsText()).size(), 670u);
    expectOnlyCrLf(text);
    EXPECT_EQ(text.substr(0, 3), "  \xE6") << "two blanks, then the opening paragraph";

    const std::vector<std::string> lines = split(text, "\r\n");
    const std::vector<std::string> headings{
        utf8(u8"数据读取："), utf8(u8"下载规则："), utf8(u8"导入规则:"), utf8(u8"备份/还原："),
        utf8(u8"提交网站："), utf8(u8"删除全部:"),  utf8(u8"保存设置：")};
    // Opening paragraph, heading and explanation per command, closing line.
    ASSERT_EQ(lines.size(), 1 + 2 * headings.size() + 1);
    for (size_t i = 0; i < headings.size(); ++i) {
        EXPECT_EQ(lines[1 + 2 * i], headings[i]);
        const std::string& explanation = lines[2 + 2 * i];
        EXPECT_EQ(explanation.substr(0, 2), "  ") << headings[i];
        EXPECT_GT(explanation.size(), 2u) << headings[i];
    }
    const std::string& last = lines.back();
    EXPECT_NE(last.find(utf8(u8"联系")), std::string::npos);
    EXPECT_TRUE(last.ends_with("www.tesmolen.example"));
}

TEST(DisclaimerText, Is520GbkBytesInSixNumberedPoints) {
    const std::string text = utf8(disclaimerText());
    expectWholeInGbk(disclaimerText());
    EXPECT_EQ(gbk(disclaimerText()).size(), 520u);
    expectOnlyCrLf(text);

    const std::vector<std::string> points = split(text, "\r\n\r\n");
    ASSERT_EQ(points.size(), 6u);
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].substr(0, 2), std::to_string(i + 1) + ".");
        EXPECT_EQ(points[i].find('\n'), std::string::npos) << "point " << i + 1;
    }
    EXPECT_NE(points[4].find(utf8(u8"“收款主页”")), std::string::npos);
}

TEST(GroupLabelText, InvitesToTheChatGroup) {
    EXPECT_EQ(utf8(groupLabelText()), utf8(u8"加入QQ群：") + utf8(chatGroupNumber));
    EXPECT_EQ(chatGroupNumber.find_first_not_of(u8"0123456789"), std::u8string_view::npos);
}

}  // namespace
}  // namespace tesmolen
