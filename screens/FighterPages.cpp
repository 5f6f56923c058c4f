// The fighter pages: each one's close hot-spot unloads it, and nothing else
// on a page reacts.
#include "screens/FighterPages.h"

#include "layouts/FighterPageLayout.h"
#include "screens/ScreenId.h"

namespace grimveil {

namespace {
using layouts::kFighters;

inline constexpr auto kCloseNames = [] {
    std::array<layouts::Name, kFighters> out {};
    for (int page = 1; page <= kFighters; ++page)
        out[page - 1] = layouts::Name { layouts::names_of(layouts::fighter_on_page(page)).page_screen,
                                        "_ClickClose_Click" };
    return out;
}();

inline constexpr auto kCloseSteps = [] {
    std::array<std::array<gv::Step, 1>, kFighters> out {};
    for (int page = 1; page <= kFighters; ++page)
        out[page - 1] = { gv::steps::unload_screen(page_of(layouts::fighter_on_page(page))) };
    return out;
}();

// Each page binds the handler to its own close hot-spot, wherever its layout
// puts it.
inline constexpr auto kHandlers = [] {
    std::array<gv::Handler, kFighters> out {};
    for (int page = 1; page <= kFighters; ++page)
        out[page - 1] = { kCloseNames[page - 1],
                          gv::control_index(layouts::kFighterPageControls[page - 1].view(),
                                            layouts::kPanel.close_name),
                          gv::Event::Click, kCloseSteps[page - 1] };
    return out;
}();

} // namespace

gv::ScreenDefinition fighter_page_screen(int page_number) {
    return { &layouts::kFighterPageLayouts[page_number - 1], { &kHandlers[page_number - 1], 1 } };
}

} // namespace grimveil
