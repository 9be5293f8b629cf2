#pragma once

#include <span>

#include "runtime/events.hpp"

namespace tesmolen {

// Which command each event of the window runs; events without a row do nothing.
std::span<const EventBinding> eventBindings();

}  // namespace tesmolen
