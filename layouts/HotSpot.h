#pragma once

#include "framework/Layout.h"

namespace grimveil::layouts {

// A transparent label without caption laid over painted artwork: it draws
// nothing and takes the mouse over its whole rectangle. An empty parent puts
// it directly on the screen.
constexpr gv::ControlRecord hot_spot(std::string_view name, std::string_view parent, int left, int top,
                                     int width, int height) {
    return { .kind = gv::ControlKind::Label,
             .name = name,
             .parent = parent,
             .left = left,
             .top = top,
             .width = width,
             .height = height,
             .back_style = gv::BackStyle::Transparent };
}

} // namespace grimveil::layouts
