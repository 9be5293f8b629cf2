#include "rules/hosts_text.hpp"

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

}  // namespace tesmolen
