#include "rules/hosts_text.hpp"

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
    // a partner opens nothing. So the text outside every pair is what stands before the 1st "#",
    // between the 2nd and the 3rd, ..., and after the last pair. Only a line that starts there
    // can hold an entry: the text before its first "#" holds none, so it lies wholly inside one
    // pair or wholly outside them all. The pairs themselves are skipped, not walked line by line.
    constexpr std::size_t none = std::string_view::npos;
    Text entries;
    std::size_t lineStart = 0;  // the first line that starts in the region, or none
    std::size_t regionStart = 0;
    while (true) {
        const std::size_t opening = hostsText.find('#', regionStart);
        const std::size_t closing = opening == none ? none : hostsText.find('#', opening + 1);
        const std::size_t regionEnd = closing == none ? hostsText.size() : opening;
        while (lineStart < regionEnd) {
            const std::size_t newline = hostsText.find('\n', lineStart);
            std::string_view entry = hostsText.substr(lineStart, newline - lineStart);
            entry = entry.substr(0, entry.find('#'));
            entry = entry.substr(0, entry.find_last_not_of(" \t\r") + 1);
            if (!entry.empty()) {
                entries += entry;
                entries += lineEnd;
            }
            lineStart = newline == none ? none : newline + 1;
        }
        if (closing == none) return entries;
        regionStart = closing + 1;
        // A line that began inside the pair is not an entry; the next one may be.
        const std::size_t next = hostsText.find('\n', regionStart);
        lineStart = next == none ? none : next + 1;
    }
}

Text savedHostsText(std::string_view hostsOnDisk, const ReportList& list) {
    Text hosts = systemEntriesOf(hostsOnDisk);
    appendRuleBlocks(hosts, list);
    return hosts;
}

}  // namespace tesmolen
