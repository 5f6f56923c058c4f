#pragma once

#include "layouts/HotSpot.h"
#include "layouts/Roster.h"

#include "framework/Layout.h"

#include <array>

namespace grimveil::layouts {

// What every fighter page has so far: a black panel window with the close
// hot-spot over its top-right corner. The move rows come with the pages'
// content.
inline constexpr gv::ControlRecord kFighterPageControls[] = { hot_spot("ClickClose", {}, 9720, 0, 495, 495) };

// The 23 page layouts, in grid order.
inline constexpr auto kFighterPageLayouts = [] {
    std::array<gv::ScreenLayout, kFighters> out {};
    for (int i = 0; i < kFighters; ++i)
        out[i] = { .name = kFighterNames[i].page_screen,
                   .caption = kFighterNames[i].page_caption,
                   .back_color = { 0x00000000 },
                   .client_width = 10215,
                   .client_height = 5460,
                   .start_position = gv::StartPosition::CenterScreen,
                   .show_in_taskbar = false,
                   .controls = kFighterPageControls };
    return out;
}();

} // namespace grimveil::layouts
