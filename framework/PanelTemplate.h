#pragma once

#include "Layout.h"

#include <span>
#include <string_view>

namespace gv {

// A caption of the form <before_name><name><before_version><version><after>.
struct CaptionPattern {
    std::string_view before_name;
    std::string_view before_version;
    std::string_view after;
};

// The window many secondary pages share: a borderless window whose background
// picture paints a frame and a close mark, a title picture near its top-left
// corner and a transparent hot-spot over the close mark. The program supplies
// the values; a page states only what it adds or does differently.
struct PanelTemplate {
    int client_width { 0 }; // twips: the frame picture's size, so the whole frame shows
    int client_height { 0 };
    OleColor back_color { 0x00000000 };
    std::string_view frame; // background picture
    std::string_view title_name;
    int title_left { 30 };
    int title_top { 30 };
    std::string_view close_name;
    int close_left { 0 };
    int close_top { 0 };
    int close_width { 495 };
    int close_height { 495 };
    CaptionPattern caption {};

    // The title picture: borderless, sized to its picture.
    constexpr ControlRecord title(std::string_view asset, int width, int height) const {
        return { .kind = ControlKind::PictureBox,
                 .name = title_name,
                 .left = title_left,
                 .top = title_top,
                 .width = width,
                 .height = height,
                 .picture = asset,
                 .fore_color = { 0x80000008 },
                 .back_color = { 0x80000005 },
                 .border = Border::None,
                 .auto_size = AutoSize::On };
    }

    // The close hot-spot; a page may give it a name of its own.
    constexpr ControlRecord close(std::string_view name = {}) const {
        return { .kind = ControlKind::Label,
                 .name = name.empty() ? close_name : name,
                 .left = close_left,
                 .top = close_top,
                 .width = close_width,
                 .height = close_height,
                 .back_style = BackStyle::Transparent };
    }

    struct Page {
        std::string_view name;
        std::string_view caption;
        std::span<const ControlRecord> controls;
        StartPosition start_position { StartPosition::CenterScreen };
        std::string_view frame {}; // empty: the template's
    };

    // A page's screen: normal, without a task-bar button or an icon.
    constexpr ScreenLayout screen(const Page& page) const {
        return { .name = page.name,
                 .caption = page.caption,
                 .back_color = back_color,
                 .picture = page.frame.empty() ? frame : page.frame,
                 .client_width = client_width,
                 .client_height = client_height,
                 .start_position = page.start_position,
                 .window_state = WindowState::Normal,
                 .show_in_taskbar = false,
                 .controls = page.controls };
    }
};

} // namespace gv
