#pragma once

#include "Handler.h"
#include "Layout.h"

#include <span>
#include <string_view>

namespace gv {

// A screen of the program: its constant layout and the handlers bound to it.
struct ScreenDefinition {
    const ScreenLayout* layout { nullptr };
    std::span<const Handler> handlers;
};

// Checks a registry once: unique screen and control names, parents that exist
// and are picture controls, known colours, handlers named after what they
// handle, events a control of that kind raises, and steps whose targets exist
// and fit the step. Returns an empty string when all is well, else what is wrong.
std::string validate_registry(std::span<const ScreenDefinition> registry);

} // namespace gv
