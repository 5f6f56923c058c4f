// The fighter selection screen: a mouse move onto a portrait highlights that
// fighter, a click on the highlight opens the fighter's page, a click on the
// frame, a spacer or a blank tile clears the highlight.
#include "screens/Selection.h"

#include "layouts/SelectionLayout.h"
#include "screens/ScreenId.h"

namespace grimveil {

namespace {
using namespace gv::steps;
using gv::Event;
using layouts::kFighterNames;
using layouts::kFighters;
using layouts::kRoster;
using layouts::Name;

constexpr int c(std::string_view name) {
    return gv::control_index(layouts::kSelectionControls, name);
}

constexpr int kWalk = 2 * kFighters;
using Walk = std::array<gv::Step, kWalk>;

// Both walks assign all 46 tiles in grid order, each pair portrait first,
// whatever the tiles showed before.
constexpr Walk walk(int highlighted) {
    Walk w {};
    for (int g = 0; g < kFighters; ++g) {
        const int portrait = c(kFighterNames[g].portrait_tile),
                  highlight = c(kFighterNames[g].highlight_tile);
        w[2 * g] = g == highlighted ? hide(portrait) : show(portrait);
        w[2 * g + 1] = g == highlighted ? show(highlight) : hide(highlight);
    }
    return w;
}

inline constexpr auto kHighlight = [] {
    std::array<Walk, kFighters> out {};
    for (int f = 0; f < kFighters; ++f) out[f] = walk(f);
    return out;
}();
inline constexpr Walk kReset = walk(-1);

// A fighter's page is opened as a fresh copy.
inline constexpr auto kOpenPage = [] {
    std::array<std::array<gv::Step, 2>, kFighters> out {};
    for (int f = 0; f < kFighters; ++f)
        out[f] = { unload_screen(page_of(kRoster[f])), show_screen(page_of(kRoster[f])) };
    return out;
}();

constexpr gv::Step kClickClose[] = { unload_screen(index_of(ScreenId::Moves001)) };
constexpr gv::Step kGotoMain[] = { show_screen(index_of(ScreenId::Main001)),
                                   unload_screen(index_of(ScreenId::Moves001)) };
constexpr gv::Step kTimer1[] = { unload_screen(index_of(ScreenId::MovesLoading)) };

// Everything a click resets on: the blank tiles, the frame and the spacers.
inline constexpr std::array<std::string_view, 14> kResetOnClick {
    "imgBlank01",   "imgBlank02",   "imgTop",       "imgBottom",    "imgLeft",
    "imgRight",     "imgSpacer101", "imgSpacer102", "imgSpacer103", "imgSpacer104",
    "imgSpacer201", "imgSpacer202", "imgSpacer203", "imgSpacer204"
};

inline constexpr auto kHandlerNames = [] {
    std::array<Name, 2 * kFighters + kResetOnClick.size()> out {};
    std::size_t n = 0;
    for (int f = 0; f < kFighters; ++f)
        out[n++] = Name { "Moves001_", kFighterNames[f].portrait_tile, "_MouseMove" };
    for (int f = 0; f < kFighters; ++f)
        out[n++] = Name { "Moves001_", kFighterNames[f].highlight_tile, "_Click" };
    for (std::string_view control : kResetOnClick) out[n++] = Name { "Moves001_", control, "_Click" };
    return out;
}();

inline constexpr auto kHandlers = [] {
    std::array<gv::Handler, 2 * kFighters + kResetOnClick.size() + 4> out {};
    std::size_t n = 0, name = 0;
    for (int f = 0; f < kFighters; ++f)
        out[n++] = { kHandlerNames[name++], c(kFighterNames[f].portrait_tile), Event::MouseMove,
                     kHighlight[f] };
    for (int f = 0; f < kFighters; ++f)
        out[n++] = { kHandlerNames[name++], c(kFighterNames[f].highlight_tile), Event::Click, kOpenPage[f] };
    for (std::string_view control : kResetOnClick)
        out[n++] = { kHandlerNames[name++], c(control), Event::Click, kReset };
    out[n++] = { "Moves001_Form_MouseMove", gv::kForm, Event::MouseMove, kReset };
    out[n++] = { "Moves001_ClickClose_Click", c("ClickClose"), Event::Click, kClickClose };
    out[n++] = { "Moves001_gotoMain_Click", c("gotoMain"), Event::Click, kGotoMain };
    out[n++] = { "Moves001_Timer1_Timer", c("Timer1"), Event::Timer, kTimer1 };
    return out;
}();
static_assert(kHandlers.size() == 64);

} // namespace

gv::ScreenDefinition selection_screen() {
    return { &layouts::kSelectionLayout, kHandlers };
}

} // namespace grimveil
