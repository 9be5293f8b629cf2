#include "ui/tab_order.hpp"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

namespace tesmolen {

std::vector<UnitName> unitsInTabOrder(const WindowLayout& layout) {
    std::map<std::u8string, const UnitSpec*, std::less<>> byName;
    for (const UnitSpec& spec : layout.units) byName.emplace(spec.name, &spec);
    auto pageNumber = [&layout](const UnitSpec& page) {
        return static_cast<int>(std::count_if(layout.units.data(), &page, [](const UnitSpec& unit) {
            return unit.kind == UnitKind::tabPage;
        }));
    };

    struct Place {
        int page = -1;  // the main window's own units come first
        int top = 0;
        int left = 0;
        UnitName name;
    };
    std::vector<Place> places;
    for (const UnitSpec& spec : layout.units) {
        if (!spec.focusable) continue;
        // Where the unit lies in the main window, and on which page.
        Place place{.top = spec.top, .left = spec.left, .name = spec.name};
        for (auto container = byName.find(spec.parent); container != byName.end();
             container = byName.find(container->second->parent)) {
            const UnitSpec& holder = *container->second;
            place.top += holder.top;
            place.left += holder.left;
            if (holder.kind == UnitKind::tabPage) place.page = pageNumber(holder);
        }
        places.push_back(place);
    }
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return std::tie(a.page, a.top, a.left) < std::tie(b.page, b.top, b.left);
    });
    std::vector<UnitName> order;
    for (const Place& place : places) order.push_back(place.name);
    return order;
}

}  // namespace tesmolen
