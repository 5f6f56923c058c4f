#pragma once

#include "framework/Font.h"

namespace grimveil::layouts {

inline constexpr gv::FontSpec kFixedsys9 { .face = "Fixedsys", .centipoints = 900, .weight = 400 };
inline constexpr gv::FontSpec kArial975Bold { .face = "Arial", .centipoints = 975, .weight = 700 };
inline constexpr gv::FontSpec kArial825Bold { .face = "Arial", .centipoints = 825, .weight = 700 };
inline constexpr gv::FontSpec kFuturaT1575Medium { .face = "Futura T", .centipoints = 1575, .weight = 500 };
inline constexpr gv::FontSpec kMariageD36 { .face = "Mariage D", .centipoints = 3600, .weight = 400 };

} // namespace grimveil::layouts
