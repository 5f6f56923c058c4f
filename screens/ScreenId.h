#pragma once

#include "framework/Handler.h"

#include <array>
#include <string_view>

namespace grimveil {

// Every screen of the program, by its global name. The order is the order of
// the registry.
enum class ScreenId : gv::ScreenIndex {
    splashBDD,
    Main001,
};

inline constexpr std::array<std::string_view, 2> kScreenNames { "splashBDD", "Main001" };

constexpr gv::ScreenIndex index_of(ScreenId id) { return static_cast<gv::ScreenIndex>(id); }

}
