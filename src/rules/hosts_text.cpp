#include "rules/hosts_text.hpp"

#include <algorithm>

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

Text systemEntriesOf(std::string_view hostsText) {
    // Reading pairs the 1st "#" with the 2nd, the 3rd with the 4th, and so on; a last "#" without
    // a partner opens nothing. A line starts inside a pair when an odd number of "#" stands before
    // it and a further "#" follows. The text before a line's first "#" holds none, so it lies
    // either wholly inside one pair or wholly outside them all.
    const auto total = static_cast<std::size_t>(std::ranges::count(hostsText, '#'));
    std::size_t before = 0;
    Text entries;
    while (!hostsText.empty()) {
        const std::size_t end = std::min(hostsText.find('\n'), hostsText.size());
        const std::string_view line = hostsText.substr(0, end);
        const bool insidePair = before % 2 == 1 && before < total;
        std::string_view entry = line.substr(0, line.find('#'));
        entry = entry.substr(0, entry.find_last_not_of(" \t\r") + 1);
        if (!insidePair && !entry.empty()) {
            entries += entry;
            entries += lineEnd;
        }
        before += static_cast<std::size_t>(std::ranges::count(line, '#'));
        hostsText.remove_prefix(std::min(end + 1, hostsText.size()));
    }
    return entries;
}

Text savedHostsText(std::string_view hostsOnDisk, const ReportList& list) {
    Text hosts = systemEntriesOf(hostsOnDisk);
    appendRuleBlocks(hosts, list);
    return hosts;
}

}  // namespace tesmolen
