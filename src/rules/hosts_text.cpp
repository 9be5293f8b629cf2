#include "rules/hosts_text.hpp"

#include <utility>

#include "rules/rule_grammar.hpp"
#include "rules/rule_texts.hpp"

namespace tesmolen {

namespace {

// The bodies go from the list's own bytes straight into a text of the final size: each byte is
// copied once.
void appendRuleBlocks(Text& hosts, const ReportList& list) {
    const std::size_t framing = blockOpening.size() + blockClosing().size();
    std::size_t size = hosts.size();
    list.visitColumn(1, [&size, framing](std::string_view body) { size += body.size() + framing; });
    hosts.reserve(size);
    list.visitColumn(1, [&hosts](std::string_view body) { appendRuleBlock(hosts, body); });
}

}  // namespace

Text hostsTextOf(const ReportList& list) {
    Text hosts;
    appendRuleBlocks(hosts, list);
    return hosts;
}

std::optional<Text> systemTextOf(Text hostsText) {
    RegexObject regex;
    if (!findRuleBlocks(regex, std::move(hostsText))) return std::nullopt;
    return regex.replaceAll(Text{});
}

std::optional<Text> savedHostsText(Text hostsOnDisk, const ReportList& list) {
    if (hostsOnDisk.find('\0') != Text::npos) return std::nullopt;
    std::optional<Text> hosts = systemTextOf(std::move(hostsOnDisk));
    if (!hosts) return std::nullopt;
    if (!hosts->empty() && hosts->back() != '\n') *hosts += lineEnd;
    appendRuleBlocks(*hosts, list);
    return hosts;
}

}  // namespace tesmolen
