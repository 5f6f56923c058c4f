#pragma once

#include "framework/Handler.h"
#include "layouts/Roster.h"

#include <array>
#include <string_view>

namespace grimveil {

// The screens of the program, by their global names. The registry holds them
// in this order, the 23 fighter pages in page order from FirstFighterPage on.
enum class ScreenId : gv::ScreenIndex {
    splashBDD,
    Main001,
    MovesLoading,
    Moves001,
    FirstFighterPage,
    Secrets001 = FirstFighterPage + layouts::kFighters,
    Secrets002,
    Secrets003,
    Contact001,
    Links001,
    Credits001,
};

inline constexpr std::size_t kScreenCount = std::size_t(ScreenId::Credits001) + 1;

constexpr gv::ScreenIndex index_of(ScreenId id) {
    return static_cast<gv::ScreenIndex>(id);
}

// The page screen of a fighter (`MovesVorsk`).
constexpr gv::ScreenIndex page_of(const layouts::Fighter& f) {
    return gv::ScreenIndex(index_of(ScreenId::FirstFighterPage) + f.page_number - 1);
}
constexpr ScreenId page_screen(const layouts::Fighter& f) {
    return ScreenId(page_of(f));
}

inline constexpr std::array<std::string_view, kScreenCount> kScreenNames = [] {
    std::array<std::string_view, kScreenCount> names { "splashBDD", "Main001", "MovesLoading", "Moves001" };
    for (int page = 1; page <= layouts::kFighters; ++page)
        names[index_of(ScreenId::FirstFighterPage) + page - 1] =
            layouts::names_of(layouts::fighter_on_page(page)).page_screen.view();
    std::size_t n = index_of(ScreenId::Secrets001);
    for (std::string_view name :
         { "Secrets001", "Secrets002", "Secrets003", "Contact001", "Links001", "Credits001" })
        names[n++] = name;
    return names;
}();

} // namespace grimveil
