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

// Every screen but the splash, in the order each command walks them: each
// list's own head, the fighter pages with the notice, and its own tail.
constexpr ScreenId kMinimizeHead[] = { ScreenId::Main001, ScreenId::Contact001, ScreenId::Credits001,
                                       ScreenId::Links001, ScreenId::Moves001 };
constexpr ScreenId kMinimizeTail[] = { ScreenId::Secrets001, ScreenId::Secrets002, ScreenId::Secrets003 };
constexpr ScreenId kExitHead[] = { ScreenId::Main001,    ScreenId::Links001,   ScreenId::Contact001,
                                   ScreenId::Credits001, ScreenId::Secrets001, ScreenId::Secrets002,
                                   ScreenId::Secrets003, ScreenId::Moves001 };

constexpr std::size_t kWalkLength = kScreenCount - 1;

constexpr std::array<gv::Step, kWalkLength>
walk(std::span<const ScreenId> head, std::span<const ScreenId> tail, gv::Step (*step)(gv::ScreenIndex)) {
    std::array<gv::Step, kWalkLength> out {};
    std::size_t n = 0;
    for (ScreenId id : head) out[n++] = step(index_of(id));
    for (gv::ScreenIndex s : pages_and_notice()) out[n++] = step(s);
    for (ScreenId id : tail) out[n++] = step(index_of(id));
    if (n != kWalkLength) throw "a walk covers every screen but the splash";
    return out;
}

inline constexpr auto kMinimizeAll = walk(kMinimizeHead, kMinimizeTail, minimize_screen);
inline constexpr auto kUnloadAll = walk(kExitHead, {}, unload_screen);

// The character-moves entry: a selection screen comes up fresh through the
// loading notice.
constexpr gv::Step kMoves[] = { unload_screen(index_of(ScreenId::Moves001)),
                                show_screen(index_of(ScreenId::MovesLoading)) };

// The other entries open their page as a fresh copy.
template <ScreenId Page>
constexpr gv::Step kFresh[] = { unload_screen(index_of(Page)), show_screen(index_of(Page)) };

constexpr gv::Handler kHandlers[] = {
    { "Main001_ClickMoves_Click", c("ClickMoves"), Event::Click, kMoves },
    { "Main001_ClickSecrets_Click", c("ClickSecrets"), Event::Click, kFresh<ScreenId::Secrets001> },
    { "Main001_ClickLinks_Click", c("ClickLinks"), Event::Click, kFresh<ScreenId::Links001> },
    { "Main001_ClickCredits_Click", c("ClickCredits"), Event::Click, kFresh<ScreenId::Credits001> },
    { "Main001_ClickContacting_Click", c("ClickContacting"), Event::Click, kFresh<ScreenId::Contact001> },
    { "Main001_ClickMinumize_Click", c("ClickMinumize"), Event::Click, kMinimizeAll },
    { "Main001_ClickExit_Click", c("ClickExit"), Event::Click, kUnloadAll },
    // The main menu is the hub, and only it has a task-bar button: closing it
    // from the window system leaves the program as its exit entry does.
    { "Main001_Form_QueryUnload", gv::kForm, Event::QueryUnload, kUnloadAll },
};

} // namespace

gv::ScreenDefinition main_menu_screen() {
    return { &layouts::kMainMenuLayout, kHandlers };
}

} // namespace grimveil
