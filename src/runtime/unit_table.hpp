#pragma once
// How a realisation of the window finds a unit: by its name in its table of units, of the kind
// the caller asks for.

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "runtime/ui.hpp"

namespace tesmolen {

template <typename Base>
using UnitTable = std::map<std::u8string, std::unique_ptr<Base>, std::less<>>;

[[noreturn]] inline void noSuchUnit(UnitName name) {
    throw std::logic_error("no unit of that kind: " +
                           std::string(reinterpret_cast<const char*>(name.data()), name.size()));
}

// Throws std::logic_error when the table has no unit of that name and kind.
template <typename Kind, typename Base>
Kind& findUnit(const UnitTable<Base>& units, UnitName name) {
    auto found = units.find(name);
    if (found == units.end()) noSuchUnit(name);
    auto* unit = dynamic_cast<Kind*>(found->second.get());
    if (unit == nullptr) noSuchUnit(name);
    return *unit;
}

}  // namespace tesmolen
