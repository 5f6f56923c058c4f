#pragma once

#include "layouts/Fonts.h"
#include "layouts/HotSpot.h"

#include "framework/Layout.h"

namespace grimveil::layouts {

namespace main_detail {
using namespace gv;

// Every picture of the main menu is borderless artwork that covers its control.
constexpr ControlRecord art(std::string_view name, int left, int top, int width, int height,
                            std::string_view asset, AutoSize auto_size = AutoSize::On) {
    return { .kind = ControlKind::PictureBox,
             .name = name,
             .left = left,
             .top = top,
             .width = width,
             .height = height,
             .picture = asset,
             .fore_color = { 0x80000008 },
             .back_color = { 0x80000005 },
             .border = Border::None,
             .auto_size = auto_size };
}

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
    main_detail::art("BorderTopLeft", 3360, 2520, 1290, 1185, "Main001_BorderTopLeft"),
    main_detail::art("Picture10", 11970, 0, 30, 9000, "Main001_Picture10"),
    main_detail::art("Picture9", 0, 3600, 30, 9000, "Main001_Picture10"),
    main_detail::art("Picture8", 0, 8970, 10500, 30, "Main001_Picture8"),
    main_detail::art("Picture7", 1560, 8970, 10500, 30, "Main001_Picture8"),
    main_detail::art("Picture6", 2520, 0, 10500, 30, "Main001_Picture8"),
    main_detail::art("Picture5", 0, 0, 1740, 30, "Main001_Picture5", gv::AutoSize::Off),
    main_detail::art("Picture4", 0, 0, 30, 2820, "Main001_Picture4", gv::AutoSize::Off),
    main_detail::art("Picture3", 0, 2760, 30, 945, "Main001_Picture3"),
    main_detail::art("Picture2", 1680, 0, 945, 30, "Main001_Picture2"),
    main_detail::art("Picture1", 11600, 3600, 30, 3060, "Main001_Picture1", gv::AutoSize::Off),
    main_detail::art("BorderLeft", 3360, 3480, 30, 3060, "Main001_Picture1", gv::AutoSize::Off),
    main_detail::art("BorderBottom", 4440, 7740, 5940, 30, "Main001_BorderBottom", gv::AutoSize::Off),
    main_detail::art("BorderBottomRight", 10330, 6585, 1290, 1185, "Main001_BorderBottomRight"),
    main_detail::art("BorderBottomLeft", 3360, 6480, 1185, 1290, "Main001_BorderBottomLeft"),
    main_detail::art("BorderTop", 4560, 2520, 5940, 30, "Main001_BorderBottom", gv::AutoSize::Off),
    main_detail::art("BorderTopRight", 10440, 2520, 1185, 1290, "Main001_BorderTopRight"),
    main_detail::art("Title001", 4800, 120, 5205, 1410, "Main001_Title001"),
    main_detail::art("Top", 30, -10, 2115, 2925, "Main001_Top"),
    main_detail::art("Skull01", 3000, 120, 1500, 1695, "Main001_Skull01"),
    main_detail::art("Skull02", 10440, 120, 1500, 1695, "Main001_Skull02"),
    main_detail::art("ExitMinumize", 0, 8080, 2100, 885, "Main001_ExitMinumize"),
    hot_spot("ClickExit", "ExitMinumize", 120, 550, 1815, 255),
    hot_spot("ClickMinumize", "ExitMinumize", 120, 200, 1815, 255),
    main_detail::art("Menu", 30, 2280, 3180, 5745, "Main001_Menu"),
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
