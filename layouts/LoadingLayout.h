#pragma once

#include "framework/Layout.h"

namespace grimveil::layouts {

inline constexpr gv::ControlRecord kLoadingControls[] = {
    { .kind = gv::ControlKind::PictureBox,
      .name = "Picture1",
      .left = 0,
      .top = 0,
      .width = 6975,
      .height = 900,
      .picture = "MovesLoading_Picture1",
      .fore_color = { 0x80000008 },
      .back_color = { 0x00000000 },
      .border = gv::Border::None,
      .auto_size = gv::AutoSize::On },
    { .kind = gv::ControlKind::Timer,
      .name = "Timer1",
      .parent = "Picture1",
      .left = 6360,
      .top = 120,
      .interval = 1000 },
};

inline constexpr gv::ScreenLayout kLoadingLayout {
    .name = "MovesLoading",
    .caption = "Loading...Please Wait",
    .back_color = { 0x00000000 },
    .client_width = 7005,
    .client_height = 885,
    .start_position = gv::StartPosition::CenterOwner,
    .show_in_taskbar = false,
    .controls = kLoadingControls,
};

} // namespace grimveil::layouts
