// The fighter pages: each one's close hot-spot unloads it.
#include "screens/FighterPages.h"

#include "layouts/FighterPageLayout.h"
#include "screens/ScreenId.h"

namespace grimveil {

namespace {
using layouts::kFighters;

inline constexpr auto kCloseNames = [] {
    std::array<layouts::Name, kFighters> out {};
    for (int f = 0; f < kFighters; ++f)
        out[f] = layouts::Name { layouts::kFighterNames[f].page_screen, "_ClickClose_Click" };
    return out;
}();

inline constexpr auto kCloseSteps = [] {
    std::array<std::array<gv::Step, 1>, kFighters> out {};
    for (int f = 0; f < kFighters; ++f) out[f] = { gv::steps::unload_screen(page_of(layouts::kRoster[f])) };
    return out;
}();

inline constexpr auto kHandlers = [] {
    std::array<gv::Handler, kFighters> out {};
    for (int f = 0; f < kFighters; ++f)
        out[f] = { kCloseNames[f], gv::control_index(layouts::kFighterPageControls, "ClickClose"),
                   gv::Event::Click, kCloseSteps[f] };
    return out;
}();

} // namespace

gv::ScreenDefinition fighter_page_screen(int page_number) {
    const int f = layouts::grid_number(layouts::fighter_on_page(page_number)) - 1;
    return { &layouts::kFighterPageLayouts[f], { &kHandlers[f], 1 } };
}

} // namespace grimveil
