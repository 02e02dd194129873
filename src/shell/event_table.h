// Which event of which control runs which action.
#pragma once

#include <cstdint>
#include <span>

#include "actions/actions.h"
#include "shell/control_table.h"

namespace shell {

enum class Event : std::uint8_t { Clicked, ItemSelected, LeftButtonDown, TextChanged };

struct Binding {
    Control control;
    Event event;
    actions::Action action;
};

std::span<const Binding> Bindings();
// Null when the event has no action.
actions::Action ActionFor(Control control, Event event);

}  // namespace shell
