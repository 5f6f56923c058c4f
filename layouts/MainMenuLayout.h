#pragma once

#include "layouts/Fonts.h"
#include "layouts/Records.h"

#include "framework/Layout.h"

namespace grimveil::layouts {

namespace main_detail {
using namespace gv;

// A gold line of the what's-new panel.
constexpr ControlRecord news(std::string_view name, int top, int width, std::string_view caption) {
    return { .kind = ControlKind::Label,
             .name = name,
             .left = 5040,
             .top = top,
             .width = width,
             .height = 225,
             .caption = caption,
             .font = kFixedsys9,
             .fore_color = { 0x0002C0FF },
             .back_style = BackStyle::Transparent,
             .auto_size = AutoSize::On };
}
} // namespace main_detail

inline constexpr gv::ControlRecord kMainMenuControls[] = {
    artwork("BorderTopLeft", 3360, 2520, 1290, 1185, "Main001_BorderTopLeft"),
    artwork("Picture10", 11970, 0, 30, 9000, "Main001_Picture10"),
    artwork("Picture9", 0, 3600, 30, 9000, "Main001_Picture10"),
    artwork("Picture8", 0, 8970, 10500, 30, "Main001_Picture8"),
    artwork("Picture7", 1560, 8970, 10500, 30, "Main001_Picture8"),
    artwork("Picture6", 2520, 0, 10500, 30, "Main001_Picture8"),
    artwork("Picture5", 0, 0, 1740, 30, "Main001_Picture5", gv::AutoSize::Off),
    artwork("Picture4", 0, 0, 30, 2820, "Main001_Picture4", gv::AutoSize::Off),
    artwork("Picture3", 0, 2760, 30, 945, "Main001_Picture3"),
    artwork("Picture2", 1680, 0, 945, 30, "Main001_Picture2"),
    artwork("Picture1", 11600, 3600, 30, 3060, "Main001_Picture1", gv::AutoSize::Off),
    artwork("BorderLeft", 3360, 3480, 30, 3060, "Main001_Picture1", gv::AutoSize::Off),
    artwork("BorderBottom", 4440, 7740, 5940, 30, "Main001_BorderBottom", gv::AutoSize::Off),
    artwork("BorderBottomRight", 10330, 6585, 1290, 1185, "Main001_BorderBottomRight"),
    artwork("BorderBottomLeft", 3360, 6480, 1185, 1290, "Main001_BorderBottomLeft"),
    artwork("BorderTop", 4560, 2520, 5940, 30, "Main001_BorderBottom", gv::AutoSize::Off),
    artwork("BorderTopRight", 10440, 2520, 1185, 1290, "Main001_BorderTopRight"),
    artwork("Title001", 4800, 120, 5205, 1410, "Main001_Title001"),
    artwork("Top", 30, -10, 2115, 2925, "Main001_Top"),
    artwork("Skull01", 3000, 120, 1500, 1695, "Main001_Skull01"),
    artwork("Skull02", 10440, 120, 1500, 1695, "Main001_Skull02"),
    artwork("ExitMinumize", 0, 8080, 2100, 885, "Main001_ExitMinumize"),
    hot_spot("ClickExit", "ExitMinumize", 120, 550, 1815, 255),
    hot_spot("ClickMinumize", "ExitMinumize", 120, 200, 1815, 255),
    artwork("Menu", 30, 2280, 3180, 5745, "Main001_Menu"),
    hot_spot("ClickContacting", "Menu", 240, 3220, 1935, 300),
    hot_spot("ClickCredits", "Menu", 240, 2700, 1815, 300),
    hot_spot("ClickLinks", "Menu", 120, 2160, 1935, 300),
    hot_spot("ClickSecrets", "Menu", 120, 1680, 1935, 300),
    hot_spot("ClickMoves", "Menu", 240, 1140, 1815, 300),
    main_detail::news("Label8", 3960, 1320, "and more..."),
    main_detail::news("Label5", 3720, 2280, "New Character Moves"),
    main_detail::news("Label6", 3480, 1320, "New Credits"),
    main_detail::news("Label4", 3240, 1920, "New Secrets Page"),
    main_detail::news("Label3", 3000, 2760, "New Full Program Layout"),
    { .kind = gv::ControlKind::Label,
      .name = "Label2",
      .left = 4800,
      .top = 2640,
      .width = 5385,
      .height = 270,
      .caption = "What is new, what has change to bring you version 2.0.0",
      .font = kArial975Bold,
      .fore_color = { 0x000080FF },
      .back_color = { 0x00491007 },
      .border = gv::Border::Single,
      .back_style = gv::BackStyle::Opaque,
      .auto_size = gv::AutoSize::On },
    { .kind = gv::ControlKind::Label,
      .name = "Label1",
      .left = 3360,
      .top = 2520,
      .width = 8250,
      .height = 5220,
      .caption = "Label1",
      .back_color = { 0x00491007 },
      .back_style = gv::BackStyle::Opaque },
};

inline constexpr gv::ScreenLayout kMainMenuLayout {
    .name = "Main001",
    .caption = "Interactive Grimveil v2",
    .back_color = { 0x00000000 },
    .icon = "Main001_Icon",
    .client_width = 12000,
    .client_height = 8775,
    .start_position = gv::StartPosition::CenterScreen,
    .window_state = gv::WindowState::Maximized,
    .show_in_taskbar = true,
    .controls = kMainMenuControls,
};

} // namespace grimveil::layouts
