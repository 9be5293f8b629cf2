#include "rulefiles/redirect_check.hpp"

#include <string_view>

#include "rules/rule_grammar.hpp"
#include "runtime/codepage.hpp"
#include "runtime/message_boxes.hpp"

namespace tesmolen {

namespace {

constexpr std::string_view blanks = " \t";
constexpr std::size_t shownEntries = 10;
constexpr std::size_t shownBytes = 64;

bool isByte(std::string_view part) {
    if (part.empty() || part.size() > 3) return false;
    int value = 0;
    for (char c : part) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= 255;
}

// 127.a.b.c in dotted decimal, each part 0 to 255.
bool isLoopbackV4(std::string_view address) {
    if (!address.starts_with("127.")) return false;
    address.remove_prefix(4);
    for (int part = 0; part < 3; ++part) {
        const std::size_t dot = address.find('.');
        if ((part < 2) != (dot != std::string_view::npos)) return false;
        if (!isByte(address.substr(0, dot))) return false;
        address.remove_prefix(part < 2 ? dot + 1 : address.size());
    }
    return true;
}

bool blocks(std::string_view address) {
    return address == "0.0.0.0" || address == "::" || address == "::1" || isLoopbackV4(address);
}

void addRedirects(std::string_view body, std::vector<Text>& entries) {
    std::size_t at = body.find('\n');  // the head line is no entry
    while (at != std::string_view::npos) {
        const std::size_t start = at + 1;
        at = body.find('\n', start);
        std::string_view line = body.substr(start, at == std::string_view::npos ? at : at - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::size_t first = line.find_first_not_of(blanks);
        if (first == std::string_view::npos || line.starts_with('#')) continue;
        const std::string_view address =
            line.substr(first, line.find_first_of(blanks, first) - first);
        if (!blocks(address)) entries.emplace_back(line);
    }
}

const Text& question(RedirectSource source) {
    static const Text ruleFile = gbk(u8"此规则文件会把以下网址指向其他地址：");
    static const Text backup = gbk(u8"此备份文件会把以下网址指向其他地址：");
    return source == RedirectSource::ruleFile ? ruleFile : backup;
}

const Text& confirmation(RedirectSource source) {
    static const Text ruleFile = gbk(u8"\r\n\r\n确定要导入吗？");
    static const Text backup = gbk(u8"\r\n\r\n确定要还原吗？");
    return source == RedirectSource::ruleFile ? ruleFile : backup;
}

}  // namespace

std::vector<Text> redirectingEntries(const Text& rulesText) {
    std::vector<Text> entries;
    RegexObject regex;
    findRuleBlocks(regex, rulesText);
    for (int rule = 1; rule <= regex.matchCount(); ++rule) {
        addRedirects(regex.groupText(rule, 1), entries);
    }
    return entries;
}

bool acceptRedirects(Program& program, const Text& rulesText, RedirectSource source) {
    const std::vector<Text> entries = redirectingEntries(rulesText);
    if (entries.empty()) return true;
    Text text = question(source);
    for (std::size_t i = 0; i < entries.size() && i < shownEntries; ++i) {
        text += "\r\n";
        text += cutGbk(entries[i], shownBytes);
    }
    if (entries.size() > shownEntries) text += gbk(u8"\r\n……");
    text += confirmation(source);
    return askYesNo(program, text);
}

}  // namespace tesmolen
