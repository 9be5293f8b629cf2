// Parsing any rules text gives one row per pair of "#", and saving then reading those rows
// gives the same bodies again.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rules/hosts_text.hpp"
#include "rules/read_rules.hpp"
#include "support/fake_ui.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmolen;
    const Text text = toText(std::string_view(reinterpret_cast<const char*>(data), size));
    testing::FakeReportList list;
    parseRulesInto(text, list);
    const auto hashes = std::count(text.begin(), text.end(), '#');
    if (list.rowCount() != hashes / 2) std::abort();
    testing::FakeReportList again;
    parseRulesInto(hostsTextOf(list), again);
    if (again.bodies() != list.bodies()) std::abort();
    return 0;
}
