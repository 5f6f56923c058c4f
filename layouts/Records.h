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

// A picture of the guide's artwork: borderless, since the frames are painted
// into the pictures, and sized to its picture unless told otherwise.
constexpr gv::ControlRecord artwork(std::string_view name, int left, int top, int width, int height,
                                    std::string_view asset, gv::AutoSize auto_size = gv::AutoSize::On,
                                    gv::Border border = gv::Border::None) {
    return { .kind = gv::ControlKind::PictureBox,
             .name = name,
             .left = left,
             .top = top,
             .width = width,
             .height = height,
             .picture = asset,
             .fore_color = { 0x80000008 },
             .back_color = { 0x80000005 },
             .border = border,
             .auto_size = auto_size };
}

} // namespace grimveil::layouts
