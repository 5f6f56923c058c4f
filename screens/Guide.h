#pragma once

#include "framework/EmbeddedFile.h"
#include "framework/Font.h"
#include "framework/Geometry.h"
#include "framework/ScreenDefinition.h"

#include <span>
#include <string>

namespace grimveil {

// The program's screens, indexed by ScreenId.
std::span<const gv::ScreenDefinition> registry();
gv::ScreenIndex start_screen();
// The one check at start-up: the registry is sound and in ScreenId's order.
// Empty when all is well.
std::string check_registry();

// The main menu's artwork was drawn for an 800 x 600 display: a desktop's
// scale is kept small enough for it to fit.
constexpr gv::Size largest_artwork() {
    return { 800, 600 };
}

// What the program carries: its pictures, its fonts and the faces they stand in for.
std::span<const gv::EmbeddedFile> embedded_assets();
std::span<const gv::EmbeddedFile> embedded_fonts();
std::span<const gv::FontSubstitute> font_substitutes();

} // namespace grimveil
