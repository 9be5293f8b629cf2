#include "list_rows.hpp"

#include "blocklist.hpp"
#include "rules/read_rules.hpp"
#include "support/fake_ui.hpp"

namespace tesmolen::bench {

const ListRows& hundredThousandRows() {
    static const ListRows all = [] {
        testing::FakeReportList list;
        parseRulesInto(ruleBlocksText(100000, 10u << 20), list);
        return ListRows{list.numbers(), list.bodies()};
    }();
    return all;
}

}  // namespace tesmolen::bench
