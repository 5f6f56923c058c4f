#pragma once

#include "framework/Geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace gv {

// The whole-number factor a desktop scales programs by: GDK_SCALE where it
// is a whole number; otherwise the X resource Xft.dpi in steps of 96 dpi;
// otherwise 1. It is kept small enough that `artwork` still fits the display.
inline int desktop_scale(std::string_view gdk_scale, std::optional<double> xft_dpi, Size display,
                         Size artwork) {
    int wanted = 0;
    if (!gdk_scale.empty()) {
        int v = 0;
        const auto [end, error] = std::from_chars(gdk_scale.data(), gdk_scale.data() + gdk_scale.size(), v);
        if (error == std::errc {} && end == gdk_scale.data() + gdk_scale.size() && v >= 1) wanted = v;
    }
    if (wanted == 0 && xft_dpi && *xft_dpi > 0 && std::isfinite(*xft_dpi))
        wanted = int(std::clamp(std::lround(*xft_dpi / 96.0), 1L, 64L));
    if (wanted == 0) wanted = 1;
    if (artwork.width > 0 && artwork.height > 0)
        wanted = std::min({ wanted, display.width / artwork.width, display.height / artwork.height });
    return std::max(1, wanted);
}

// Xft.dpi from the X resource database's text ("name:\tvalue" lines), if set.
inline std::optional<double> xft_dpi(std::string_view resources) {
    constexpr std::string_view key = "Xft.dpi:";
    while (!resources.empty()) {
        const auto end = resources.find('\n');
        std::string_view line = resources.substr(0, end);
        resources = end == std::string_view::npos ? std::string_view {} : resources.substr(end + 1);
        if (!line.starts_with(key)) continue;
        line.remove_prefix(key.size());
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        double v = 0;
        const auto [p, error] = std::from_chars(line.data(), line.data() + line.size(), v);
        if (error == std::errc {} && p != line.data()) return v;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace gv
