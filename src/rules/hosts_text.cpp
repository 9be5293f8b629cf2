#include "rules/hosts_text.hpp"

#include <algorithm>
#include <vector>

#include "rules/rule_texts.hpp"

namespace tesmolen {

Text hostsTextOf(const ReportList& list) {
    const int rows = list.rowCount();
    std::vector<Text> bodies;
    bodies.reserve(static_cast<std::size_t>(rows));
    std::size_t size = 0;
    for (int row = 0; row < rows; ++row) {
        bodies.push_back(list.cell(row, 1));
        size += bodies.back().size() + blockOpening.size() + blockClosing().size();
    }
    Text hosts;
    hosts.reserve(size);
    for (const Text& body : bodies) appendRuleBlock(hosts, body);
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
    return systemEntriesOf(hostsOnDisk) + hostsTextOf(list);
}

}  // namespace tesmolen
