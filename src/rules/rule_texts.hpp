#pragma once
// The text forms of a rule: a rule block of a hosts text is an opening #, the body, then
// #代码结束 and CR LF; an editor text is built from head, entry and end pieces. Which "#" of a
// rules text open and close a rule is told in rule_grammar.hpp.

#include <string_view>

#include "runtime/text.hpp"

namespace tesmolen {

inline constexpr std::string_view lineEnd = "\r\n";
inline constexpr std::string_view blockOpening = "#";

const Text& codeBeginsText();  // 代码开始
const Text& codeEndsText();    // 代码结束
const Text& blockClosing();    // #代码结束\r\n

// An opening #, the body, #代码结束 and CR LF.
Text composeRuleBlock(const Text& body);
void appendRuleBlock(Text& hostsText, std::string_view body);

// True when the text is a rules text that yields at least one row: a rule, no control byte but
// CR, LF and TAB, and nothing but GBK. A rule file decoded under another key, or a file of
// another kind, fails this.
bool holdsRules(std::string_view text);

// Editor text pieces.
Text editorHead(const Text& siteName);                      // CR LF, #, site, 代码开始
Text editorEntry(const Text& ipAddress, const Text& host);  // "\r\n" + ip + " " + host
Text editorEnd(const Text& siteName);                       // CR LF, #, site, 代码结束

}  // namespace tesmolen
