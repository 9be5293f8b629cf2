#include "app/bindings.hpp"

#include "rules/read_rules.hpp"
#include "ui/unit_names.hpp"

namespace tesmolen {

namespace {

// One row per line: unit, event, command.
constexpr EventBinding bindings[] = {
    {unit::readButton, UiEvent::click, readRules},
};

}  // namespace

std::span<const EventBinding> eventBindings() { return bindings; }

}  // namespace tesmolen
