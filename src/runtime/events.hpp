#pragma once
// The events a unit of the window raises, and the table rows that bind them to commands.

#include "runtime/ui.hpp"

namespace tesmolen {

struct Program;

enum class UiEvent {
    created,     // the main window has been built; raised once, before it is shown
    click,       // a button or graphic button
    rightClick,  // the report list
    chosen,      // a pop-up menu item
    timerTick,   // a timer
};

using EventHandler = void (*)(Program&);

struct EventBinding {
    UnitName unit;
    UiEvent event;
    EventHandler handler;
};

}  // namespace tesmolen
