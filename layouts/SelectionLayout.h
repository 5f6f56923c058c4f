#pragma once

#include "layouts/Records.h"
#include "layouts/Roster.h"

#include "framework/Layout.h"

#include <array>

namespace grimveil::layouts {

namespace selection_detail {
using namespace gv;

// Every picture but the container is borderless AutoSize artwork in it.
constexpr ControlRecord tile(std::string_view name, int left, int top, std::string_view asset, bool visible,
                             OleColor back = { 0x80000005 }) {
    return { .kind = ControlKind::PictureBox,
             .name = name,
             .parent = "Picture1",
             .left = left,
             .top = top,
             .width = 1005,
             .height = 915,
             .visible = visible,
             .picture = asset,
             .fore_color = { 0x80000008 },
             .back_color = back,
             .border = Border::None,
             .auto_size = AutoSize::On };
}

constexpr ControlRecord frame(std::string_view name, int left, int top, int width, int height,
                              std::string_view asset, OleColor back) {
    ControlRecord r = tile(name, left, top, asset, true, back);
    r.width = width;
    r.height = height;
    return r;
}

inline constexpr OleColor kStone { 0x00C0C0FF };
inline constexpr OleColor kRowSpacer { 0x00C0E0FF };
inline constexpr OleColor kColumnSpacer { 0x00C0FFFF };
inline constexpr std::array<int, 4> kRowSpacerTops { 1280, 2250, 3230, 4200 };
inline constexpr std::array<int, 4> kColumnSpacerLefts { 1390, 2460, 3520, 4590 };
inline constexpr std::array<Name, 8> kSpacerNames { Name { "imgSpacer101" }, Name { "imgSpacer102" },
                                                    Name { "imgSpacer103" }, Name { "imgSpacer104" },
                                                    Name { "imgSpacer201" }, Name { "imgSpacer202" },
                                                    Name { "imgSpacer203" }, Name { "imgSpacer204" } };

constexpr std::size_t kControlCount = 1 + kFighters + 2 + 7 + 8 + kFighters;
} // namespace selection_detail

// The selection screen. Within the container the highlight tiles come first,
// so a shown highlight lies above the spacers and its own portrait; the
// portraits come last, below everything.
inline constexpr auto kSelectionControls = [] {
    using namespace selection_detail;
    std::array<gv::ControlRecord, kControlCount> c {};
    std::size_t n = 0;
    c[n++] = { .kind = gv::ControlKind::PictureBox,
               .name = "Picture1",
               .left = 0,
               .top = 0,
               .width = 6015,
               .height = 5510,
               .fore_color = { 0x80000008 },
               .back_color = { 0x00000000 },
               .border = gv::Border::Single };
    // Highlight tiles and the blank tiles, row by row, left to right.
    for (int i = 0; i < kFighters; ++i) {
        const Fighter& f = kRoster[i];
        if (f.row == 5 && f.column == 2) c[n++] = tile("imgBlank01", 390, 4260, "Moves001_imgBlank01", true);
        const gv::OleColor back =
            f.name == "Grellix" ? gv::OleColor { 0x00FFFF00 } : gv::OleColor { 0x80000005 };
        c[n++] = tile(kFighterNames[i].highlight_tile, f.left, highlight_top(f),
                      kFighterNames[i].highlight_asset, false, back);
    }
    c[n++] = tile("imgBlank02", 4650, 4260, "Moves001_imgBlank02", true);
    c[n++] = frame("imgTop", 0, 0, 6000, 360, "Moves001_imgTop", kStone);
    c[n++] = hot_spot("ClickClose", "imgTop", 5640, 0, 375, 375);
    c[n++] = frame("imgBottom", 0, 5180, 6000, 300, "Moves001_imgBottom", kStone);
    c[n++] = hot_spot("gotoMain", "imgBottom", 1750, 10, 1215, 245);
    c[n++] = frame("imgLeft", 0, 365, 360, 4815, "Moves001_imgLeft", kStone);
    c[n++] = { .kind = gv::ControlKind::Timer, .name = "Timer1", .parent = "imgLeft", .interval = 1500 };
    c[n++] = frame("imgRight", 5650, 365, 345, 4815, "Moves001_imgRight", kStone);
    for (int i = 0; i < 4; ++i)
        c[n++] =
            frame(kSpacerNames[i], 360, kRowSpacerTops[i], 5325, 60, "Moves001_imgSpacer101", kRowSpacer);
    for (int i = 0; i < 4; ++i)
        c[n++] = frame(kSpacerNames[4 + i], kColumnSpacerLefts[i], 360, 60, 4815, "Moves001_imgSpacer201",
                       kColumnSpacer);
    for (int i = 0; i < kFighters; ++i)
        c[n++] = tile(kFighterNames[i].portrait_tile, kRoster[i].left, kRoster[i].top,
                      kFighterNames[i].portrait_asset, true);
    if (n != c.size()) throw "selection layout miscounted";
    return c;
}();

inline constexpr gv::ScreenLayout kSelectionLayout {
    .name = "Moves001",
    .caption = "[ Grimveil Interactive: Selection Screen ] - [ version 1.0.0 ]",
    .back_color = { 0x00000000 },
    .icon = "Moves001_Icon",
    .client_width = 6015,
    .client_height = 5460,
    .start_position = gv::StartPosition::CenterScreen,
    .show_in_taskbar = false,
    .controls = kSelectionControls,
};

} // namespace grimveil::layouts
