#pragma once

#include "layouts/Name.h"
#include "layouts/PanelLayout.h"

#include <array>
#include <string_view>

namespace grimveil::layouts {

// One fighter of the guide. Every other per-fighter name (tiles, pictures,
// page screen, page caption) is formed from `name` by the rules below.
struct Fighter {
    std::string_view name;
    int row { 0 };    // 1 is the top row of the selection grid
    int column { 0 }; // 1 is the left column
    int left { 0 };   // twips, in the grid container
    int top { 0 };
    int highlight_top { 0 }; // where the highlight tile's Top differs, else 0
    std::string_view page_version;
    int page_number { 0 }; // place in page order, 1 to 23
};

// The roster in grid order: rows top to bottom, cells left to right, without
// the two blank cells of the bottom row. Selvo's Top and Grellix's Left are
// off the grid lines and stay so.
inline constexpr std::array<Fighter, 23> kRoster { {
    { "Omberl", 1, 1, 390, 360, 0, "1.0.0", 3 },        { "Ashvane", 1, 2, 1450, 360, 0, "1.0.0", 12 },
    { "Pallira", 1, 3, 2520, 360, 0, "1.0.0", 9 },      { "Tessmar", 1, 4, 3580, 360, 0, "1.0.0", 10 },
    { "Vorsk", 1, 5, 4650, 360, 0, "2.0.0", 1 },        { "Ilvessa", 2, 1, 390, 1335, 1340, "1.0.0", 21 },
    { "Duvrin", 2, 2, 1450, 1335, 1340, "1.0.0", 7 },   { "Corvath", 2, 3, 2520, 1335, 1340, "1.0.0", 11 },
    { "Tamsel", 2, 4, 3580, 1335, 1340, "2.0.0", 2 },   { "Pelvane", 2, 5, 4650, 1335, 1340, "1.0.0", 22 },
    { "Estrin", 3, 1, 390, 2310, 0, "1.0.0", 16 },      { "Selvo", 3, 2, 1450, 2290, 0, "1.0.0", 6 },
    { "Thulmar", 3, 3, 2520, 2310, 0, "1.0.0", 15 },    { "Roskar", 3, 4, 3580, 2310, 0, "1.0.0", 23 },
    { "Drasque", 3, 5, 4650, 2310, 0, "1.0.0", 18 },    { "Wenlo", 4, 1, 390, 3285, 3290, "1.0.0", 8 },
    { "Skelvin", 4, 2, 1450, 3285, 3290, "1.0.0", 17 }, { "Nocthar", 4, 3, 2520, 3285, 3290, "1.0.0", 20 },
    { "Quenth", 4, 4, 3580, 3285, 3290, "1.0.0", 4 },   { "Zavrek", 4, 5, 4650, 3285, 3290, "1.0.0", 14 },
    { "Brudd", 5, 2, 1450, 4260, 0, "1.0.0", 19 },      { "Brannox", 5, 3, 2520, 4260, 0, "1.0.0", 5 },
    { "Grellix", 5, 4, 3590, 4260, 0, "1.0.0", 13 },
} };

inline constexpr int kFighters = int(kRoster.size());

constexpr int grid_number(const Fighter& f) {
    return int(&f - kRoster.data()) + 1;
}
constexpr int highlight_top(const Fighter& f) {
    return f.highlight_top ? f.highlight_top : f.top;
}

// The names a fighter gives to things, formed once.
struct FighterNames {
    Name portrait_tile;   // imgVorsk
    Name highlight_tile;  // imgVorskS
    Name portrait_asset;  // Moves001_imgVorsk
    Name highlight_asset; // Moves001_imgVorskS
    Name page_screen;     // MovesVorsk
    Name page_caption;    // [ Interactive Grimveil ] - [ Vorsk ] - [ version 2.0.0 ]
};

inline constexpr std::array<FighterNames, kFighters> kFighterNames = [] {
    std::array<FighterNames, kFighters> out {};
    for (int i = 0; i < kFighters; ++i) {
        const Fighter& f = kRoster[i];
        out[i].portrait_tile = Name { "img", f.name };
        out[i].highlight_tile = Name { "img", f.name, "S" };
        out[i].portrait_asset = Name { "Moves001_img", f.name };
        out[i].highlight_asset = Name { "Moves001_img", f.name, "S" };
        out[i].page_screen = Name { "Moves", f.name };
        const gv::CaptionPattern& caption = kPanel.caption;
        out[i].page_caption =
            Name { caption.before_name, f.name, caption.before_version, f.page_version, caption.after };
    }
    return out;
}();

constexpr const FighterNames& names_of(const Fighter& f) {
    return kFighterNames[grid_number(f) - 1];
}

// Page order: the grid index (0-based) of the fighter on each page.
inline constexpr std::array<int, kFighters> kPageOrder = [] {
    std::array<int, kFighters> out {};
    for (int i = 0; i < kFighters; ++i) out[kRoster[i].page_number - 1] = i;
    return out;
}();

constexpr const Fighter& fighter_on_page(int page_number) {
    return kRoster[kPageOrder[page_number - 1]];
}

// The roster's promises, checked by the compiler.
constexpr bool roster_is_sound() {
    std::array<bool, kFighters> page_seen {};
    std::array<bool, 25> cell_seen {};
    int previous_cell = -1;
    for (const Fighter& f : kRoster) {
        if (f.page_number < 1 || f.page_number > kFighters || page_seen[f.page_number - 1]) return false;
        page_seen[f.page_number - 1] = true;
        const int cell = (f.row - 1) * 5 + (f.column - 1);
        if (f.row < 1 || f.row > 5 || f.column < 1 || f.column > 5 || cell_seen[cell] ||
            cell <= previous_cell)
            return false; // grid order is reading order
        cell_seen[cell] = true;
        previous_cell = cell;
    }
    return !cell_seen[20] && !cell_seen[24]; // the blank tiles' cells
}
static_assert(roster_is_sound());
static_assert(fighter_on_page(1).name == "Vorsk" && kRoster[0].name == "Omberl");

} // namespace grimveil::layouts
