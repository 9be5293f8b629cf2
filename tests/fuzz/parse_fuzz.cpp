// Reading any rules text and saving its rows over it, then reading that again, gives the same
// rows, and saving once more writes the same bytes.

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
    const std::optional<Text> saved = savedHostsText(text, list);
    if (!saved) std::abort();
    testing::FakeReportList again;
    parseRulesInto(*saved, again);
    if (again.bodies() != list.bodies()) std::abort();
    if (savedHostsText(*saved, again) != saved) std::abort();
    return 0;
}
