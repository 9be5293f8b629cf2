#include "rules/rule_texts.hpp"

#include <algorithm>

#include "rules/rule_grammar.hpp"
#include "runtime/codepage.hpp"

namespace tesmolen {

const Text& codeBeginsText() {
    static const Text text = gbk(u8"代码开始");
    return text;
}

const Text& codeEndsText() {
    static const Text text = gbk(u8"代码结束");
    return text;
}

const Text& blockClosing() {
    static const Text text = gbk(u8"#代码结束\r\n");
    return text;
}

void appendRuleBlock(Text& hostsText, std::string_view body) {
    hostsText += blockOpening;
    hostsText += body;
    hostsText += blockClosing();
}

Text composeRuleBlock(const Text& body) {
    Text block;
    block.reserve(body.size() + blockOpening.size() + blockClosing().size());
    appendRuleBlock(block, body);
    return block;
}

bool holdsRules(std::string_view text) {
    const bool controlFree = std::ranges::none_of(text, [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n' && c != '\t';
    });
    if (!controlFree || !isGbk(text)) return false;
    RegexObject regex;
    return findRuleBlocks(regex, Text(text)) && regex.matchCount() > 0;
}

namespace {
Text editorLine(const Text& siteName, const Text& suffix) {
    Text line(lineEnd);
    line += blockOpening;
    line += siteName;
    line += suffix;
    return line;
}
}  // namespace

Text editorHead(const Text& siteName) { return editorLine(siteName, codeBeginsText()); }

Text editorEnd(const Text& siteName) { return editorLine(siteName, codeEndsText()); }

Text editorEntry(const Text& ipAddress, const Text& host) {
    Text line(lineEnd);
    line += ipAddress;
    line += ' ';
    line += host;
    return line;
}

}  // namespace tesmolen
