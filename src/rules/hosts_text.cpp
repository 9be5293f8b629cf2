#include "rules/hosts_text.hpp"

#include "rules/rule_texts.hpp"

namespace tesmolen {

Text hostsTextOf(const ReportList& list) {
    // The bodies go from the list's own bytes straight into a text of the final size: each byte
    // is copied once.
    const std::size_t framing = blockOpening.size() + blockClosing().size();
    std::size_t size = 0;
    list.visitColumn(1, [&size, framing](std::string_view body) { size += body.size() + framing; });
    Text hosts;
    hosts.reserve(size);
    list.visitColumn(1, [&hosts](std::string_view body) { appendRuleBlock(hosts, body); });
    return hosts;
}

}  // namespace tesmolen
