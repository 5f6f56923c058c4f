// The main menu: hot-spots over the painted entries open the guide's pages as
// fresh copies, minimise every screen or unload them all.
#include "screens/MainMenu.h"

#include "layouts/MainMenuLayout.h"
#include "screens/ScreenId.h"

#include <array>

namespace grimveil {

namespace {
using namespace gv::steps;
using gv::Event;

constexpr int c(std::string_view name) {
    return gv::control_index(layouts::kMainMenuControls, name);
}

// The fighter pages in page order, with the loading notice between the
// eleventh and the twelfth: the place both walks give it.
constexpr std::array<gv::ScreenIndex, layouts::kFighters + 1> pages_and_notice() {
    std::array<gv::ScreenIndex, layouts::kFighters + 1> out {};
    std::size_t n = 0;
    for (int page = 1; page <= layouts::kFighters; ++page) {
        out[n++] = page_of(layouts::fighter_on_page(page));
        if (page == 11) out[n++] = index_of(ScreenId::MovesLoading);
    }
    return out;
}

// Every screen but the splash, in the order each command walks them. The
// pages the guide does not have yet join these lists when they are built.
inline constexpr auto kMinimizeAll = [] {
    std::array<gv::Step, 2 + layouts::kFighters + 1> out {};
    std::size_t n = 0;
    out[n++] = minimize_screen(index_of(ScreenId::Main001));
    out[n++] = minimize_screen(index_of(ScreenId::Moves001));
    for (gv::ScreenIndex s : pages_and_notice()) out[n++] = minimize_screen(s);
    return out;
}();

inline constexpr auto kUnloadAll = [] {
    std::array<gv::Step, 2 + layouts::kFighters + 1> out {};
    std::size_t n = 0;
    out[n++] = unload_screen(index_of(ScreenId::Main001));
    out[n++] = unload_screen(index_of(ScreenId::Moves001));
    for (gv::ScreenIndex s : pages_and_notice()) out[n++] = unload_screen(s);
    return out;
}();

// The character-moves entry: a selection screen comes up fresh through the
// loading notice.
constexpr gv::Step kMoves[] = { unload_screen(index_of(ScreenId::Moves001)),
                                show_screen(index_of(ScreenId::MovesLoading)) };

constexpr gv::Handler kHandlers[] = {
    { "Main001_ClickMoves_Click", c("ClickMoves"), Event::Click, kMoves },
    { "Main001_ClickMinumize_Click", c("ClickMinumize"), Event::Click, kMinimizeAll },
    { "Main001_ClickExit_Click", c("ClickExit"), Event::Click, kUnloadAll },
};

} // namespace

gv::ScreenDefinition main_menu_screen() {
    return { &layouts::kMainMenuLayout, kHandlers };
}

} // namespace grimveil
