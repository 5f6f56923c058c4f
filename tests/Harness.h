#pragma once

#include "framework/Application.h"
#include "framework/AssetStore.h"
#include "framework/headless/HeadlessDesktop.h"
#include "framework/platform/FreeTypeFonts.h"
#include "framework/platform/SdlImageDecoder.h"
#include "layouts/Roster.h"
#include "layouts/SelectionLayout.h"
#include "screens/Guide.h"
#include "screens/ScreenId.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace grimveil::testing {

// The whole guide on an in-memory desktop with a virtual clock: tests click,
// move and let time pass, then look at screens, windows and pixels.
struct Guide {
    explicit Guide(gv::Size display = { 1024, 768 })
        : desktop(display) {
        app.set_reporter([this](std::string_view line) { errors.emplace_back(line); });
    }

    // Starts the program: the splash is loaded and shown at time 0.
    void start() {
        gv::Status s = app.start(start_screen());
        if (!s) errors.push_back(s.error());
    }
    // Starts and lets the splash hand over to the main menu.
    void start_at_main_menu() {
        start();
        advance(5500);
    }

    void advance(std::int64_t ms) { gv::advance_virtual_time(app, clock, ms); }
    void click(int x, int y) { desktop.click({ x, y }); }
    void move_to(int x, int y) { desktop.move_to({ x, y }); }

    bool loaded(ScreenId id) const { return app.loaded(index_of(id)) != nullptr; }
    bool shown(ScreenId id) const {
        const gv::Screen* s = app.loaded(index_of(id));
        return s && s->shown();
    }
    gv::WindowState state(ScreenId id) const { return app.loaded(index_of(id))->window_state(); }
    std::optional<gv::HeadlessDesktop::WindowInfo> window(ScreenId id) const {
        return desktop.window(index_of(id));
    }
    const gv::Control& control(ScreenId id, std::string_view name) const {
        const gv::Control* c = app.loaded(index_of(id))->find(name);
        if (!c) throw std::runtime_error("no control " + std::string(name));
        return *c;
    }
    // Clicks the middle of a control of a shown screen, at desktop pixels.
    void click_control(ScreenId id, std::string_view name) {
        gv::Point p = centre_of(id, name);
        click(p.x, p.y);
    }
    void move_onto(ScreenId id, std::string_view name) {
        gv::Point p = centre_of(id, name);
        move_to(p.x, p.y);
    }
    gv::Point centre_of(ScreenId id, std::string_view name) const {
        const gv::Rect r = control(id, name).visible_rect;
        const gv::Rect frame = window(id)->frame;
        return { frame.x + r.x + r.width / 2, frame.y + r.y + r.height / 2 };
    }
    std::vector<ScreenId> loaded_screens() const {
        std::vector<ScreenId> out;
        for (std::size_t i = 0; i < kScreenCount; ++i)
            if (app.loaded(gv::ScreenIndex(i))) out.push_back(ScreenId(i));
        return out;
    }

    gv::VirtualClock clock;
    gv::HeadlessDesktop desktop;
    gv::SdlImageDecoder decoder;
    gv::AssetStore assets { embedded_assets(), decoder };
    gv::FreeTypeFonts fonts { embedded_fonts(), font_substitutes() };
    gv::Application app { registry(), { desktop, assets, fonts, clock } };
    std::vector<std::string> errors;
};

// The selection grid's hover rule: each fighter shows exactly one of its two
// tiles, and at most one fighter its highlight. Returns the highlighted
// fighter's grid index, -1 for none, or -2 when the rule is broken.
inline int highlighted_fighter(const gv::Screen& grid) {
    static const auto tiles = [] {
        std::array<std::pair<int, int>, layouts::kFighters> out {};
        for (int f = 0; f < layouts::kFighters; ++f)
            out[f] = {
                gv::control_index(layouts::kSelectionControls, layouts::kFighterNames[f].portrait_tile),
                gv::control_index(layouts::kSelectionControls, layouts::kFighterNames[f].highlight_tile)
            };
        return out;
    }();
    int found = -1;
    for (int f = 0; f < layouts::kFighters; ++f) {
        const bool portrait = grid.controls()[tiles[f].first].visible;
        const bool highlight = grid.controls()[tiles[f].second].visible;
        if (portrait == highlight) return -2;
        if (highlight) {
            if (found != -1) return -2;
            found = f;
        }
    }
    return found;
}

} // namespace grimveil::testing
