#pragma once

#include "layouts/Fonts.h"

#include "framework/Layout.h"

namespace grimveil::layouts {

namespace splash_detail {
using namespace gv;

// The seven letters of CREATED share everything but their place and glyph.
constexpr ControlRecord letter(std::string_view name, int left, int width, std::string_view caption) {
    return { .kind = ControlKind::Label,
             .name = name,
             .left = left,
             .top = 2880,
             .width = width,
             .height = 840,
             .visible = false,
             .caption = caption,
             .font = kMariageD36,
             .fore_color = { 0x00000000 },
             .back_style = BackStyle::Transparent,
             .auto_size = AutoSize::On };
}

constexpr ControlRecord chain_timer(std::string_view name, bool enabled) {
    return { .kind = ControlKind::Timer, .name = name, .interval = 500, .enabled = enabled };
}
} // namespace splash_detail

inline constexpr gv::ControlRecord kSplashControls[] = {
    { .kind = gv::ControlKind::Timer, .name = "Timer1", .interval = 5500 },
    splash_detail::chain_timer("TimerSb", false),
    splash_detail::chain_timer("TimerN", false),
    splash_detail::chain_timer("TimerG", false),
    splash_detail::chain_timer("TimerI", false),
    splash_detail::chain_timer("TimerS", false),
    splash_detail::chain_timer("TimerE", false),
    splash_detail::chain_timer("TimerD", true),
    splash_detail::letter("txtSb", 6480, 435, "D"),
    splash_detail::letter("txtN", 5640, 420, "E"),
    splash_detail::letter("txtI", 4200, 390, "A"),
    splash_detail::letter("txtG", 4920, 390, "T"),
    splash_detail::letter("txtS", 3360, 420, "E"),
    splash_detail::letter("txtE", 2640, 420, "R"),
    splash_detail::letter("txtD", 1920, 375, "C"),
};

inline constexpr gv::ScreenLayout kSplashLayout {
    .name = "splashBDD",
    .caption = "Orvelle Created",
    .back_color = { 0x80000005 },
    .picture = "splashBDD_Background",
    .client_width = 8760,
    .client_height = 3960,
    .start_position = gv::StartPosition::CenterOwner,
    .window_state = gv::WindowState::Normal,
    .show_in_taskbar = true,
    .controls = kSplashControls,
};

} // namespace grimveil::layouts
