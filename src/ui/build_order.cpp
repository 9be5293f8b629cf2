#include "ui/build_order.hpp"

#include <set>
#include <stdexcept>
#include <string>

namespace tesmolen {

std::vector<const UnitSpec*> unitsInBuildOrder(const WindowLayout& layout) {
    // A unit may be listed before its container: take the table in rounds until every unit has
    // its place. The main window has the empty name.
    std::set<std::u8string, std::less<>> built{std::u8string()};
    std::vector<const UnitSpec*> order;
    std::vector<const UnitSpec*> waiting;
    for (const UnitSpec& spec : layout.units) waiting.push_back(&spec);
    while (!waiting.empty()) {
        std::vector<const UnitSpec*> next;
        for (const UnitSpec* spec : waiting) {
            if (built.contains(spec->parent)) {
                order.push_back(spec);
                built.emplace(spec->name);
            } else {
                next.push_back(spec);
            }
        }
        if (next.size() == waiting.size()) {
            throw std::logic_error("window layout: a unit's container does not exist");
        }
        waiting = std::move(next);
    }
    return order;
}

}  // namespace tesmolen
