#include "rules/hosts_text.hpp"

#include "rules/rule_texts.hpp"

namespace tesmolen {

Text hostsTextOf(const ReportList& list) {
    // Each body goes straight into the hosts text: no second copy of all bodies is held.
    Text hosts;
    const int rows = list.rowCount();
    for (int row = 0; row < rows; ++row) appendRuleBlock(hosts, list.cell(row, 1));
    return hosts;
}

}  // namespace tesmolen
