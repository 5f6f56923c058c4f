#include "screens/Guide.h"

#include "screens/FighterPages.h"
#include "screens/InfoPages.h"
#include "screens/Loading.h"
#include "screens/MainMenu.h"
#include "screens/ScreenId.h"
#include "screens/Secrets.h"
#include "screens/Selection.h"
#include "screens/Splash.h"

#include <array>

namespace grimveil {

std::span<const gv::ScreenDefinition> registry() {
    static const auto screens = [] {
        std::array<gv::ScreenDefinition, kScreenCount> out {};
        out[index_of(ScreenId::splashBDD)] = splash_screen();
        out[index_of(ScreenId::Main001)] = main_menu_screen();
        out[index_of(ScreenId::MovesLoading)] = loading_screen();
        out[index_of(ScreenId::Moves001)] = selection_screen();
        for (int page = 1; page <= layouts::kFighters; ++page)
            out[index_of(ScreenId::FirstFighterPage) + page - 1] = fighter_page_screen(page);
        for (int page = 1; page <= 3; ++page)
            out[index_of(ScreenId::Secrets001) + page - 1] = secrets_screen(page);
        out[index_of(ScreenId::Contact001)] = contact_screen();
        out[index_of(ScreenId::Links001)] = links_screen();
        out[index_of(ScreenId::Credits001)] = credits_screen();
        return out;
    }();
    return screens;
}

gv::ScreenIndex start_screen() {
    return index_of(ScreenId::splashBDD);
}

std::string check_registry() {
    const auto screens = registry();
    for (std::size_t i = 0; i < screens.size(); ++i)
        if (screens[i].layout->name != kScreenNames[i])
            return "registry entry " + std::to_string(i) + " is " + std::string(screens[i].layout->name) +
                   ", expected " + std::string(kScreenNames[i]);
    return gv::validate_registry(screens);
}

std::span<const gv::FontSubstitute> font_substitutes() {
    // Terminus Bold 8x14 has Fixedsys's 8-pixel advance and two-pixel strokes;
    // set in a 15-pixel line it fills Fixedsys's 8 x 15 cell.
    static constexpr gv::FontSubstitute substitutes[] = {
        { "Fixedsys", "ter-u14b_unicode.pcf", 700, 15 }, { "Arial", "LiberationSans-Bold.ttf", 700 },
        { "Futura T", "LeagueSpartan-Medium.otf", 500 }, { "Mariage D", "Blankenburg_UNZ1A.ttf", 400 },
        { "", "LiberationSans-Bold.ttf", 700 },
    };
    return substitutes;
}

} // namespace grimveil
