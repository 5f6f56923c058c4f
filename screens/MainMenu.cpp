// The main menu: hot-spots over the painted entries open the guide's pages as
// fresh copies, minimise every screen or unload them all.
#include "screens/MainMenu.h"

#include "layouts/MainMenuLayout.h"
#include "screens/ScreenId.h"

namespace grimveil {

namespace {
using namespace gv::steps;
using gv::Event;

constexpr int c(std::string_view name) { return gv::control_index(layouts::kMainMenuControls, name); }

// Every screen but the splash, in the order the command walks them. The pages
// that the guide does not have yet join these lists when they are built.
constexpr gv::Step kMinimizeAll[] = {
    minimize_screen(index_of(ScreenId::Main001)),
};

constexpr gv::Step kUnloadAll[] = {
    unload_screen(index_of(ScreenId::Main001)),
};

constexpr gv::Handler kHandlers[] = {
    { "Main001_ClickMinumize_Click", c("ClickMinumize"), Event::Click, kMinimizeAll },
    { "Main001_ClickExit_Click", c("ClickExit"), Event::Click, kUnloadAll },
};

}

gv::ScreenDefinition main_menu_screen() { return { &layouts::kMainMenuLayout, kHandlers }; }

}
