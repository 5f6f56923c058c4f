#pragma once

#include <cstdint>

namespace gv {

// A pixel as the painter stores it: 0x00RRGGBB.
using Rgb = std::uint32_t;

constexpr Rgb rgb(int r, int g, int b) {
    return (Rgb(r & 0xff) << 16) | (Rgb(g & 0xff) << 8) | Rgb(b & 0xff);
}
constexpr int red_of(Rgb c) {
    return int((c >> 16) & 0xff);
}
constexpr int green_of(Rgb c) {
    return int((c >> 8) & 0xff);
}
constexpr int blue_of(Rgb c) {
    return int(c & 0xff);
}

// A stored colour as layouts write it: &H00BBGGRR for a direct colour, or
// &H800000nn for entry nn of the system colour scheme.
struct OleColor {
    std::uint32_t value { 0 };
    friend constexpr bool operator==(OleColor, OleColor) = default;
};

constexpr bool is_system_color(OleColor c) {
    return (c.value & 0xff000000u) == 0x80000000u;
}
constexpr bool is_known_system_color(OleColor c) {
    if (!is_system_color(c)) return false;
    switch (c.value & 0xffu) {
    case 5:
    case 8:
    case 10:
    case 15:
    case 18:
        return true;
    default:
        return false;
    }
}
constexpr bool is_valid_color(OleColor c) {
    return is_known_system_color(c) || (c.value & 0xff000000u) == 0;
}

// The standard scheme: there is no user colour scheme on this platform.
constexpr Rgb resolve(OleColor c) {
    if (is_system_color(c)) {
        switch (c.value & 0xffu) {
        case 5:
            return rgb(255, 255, 255); // window background
        case 10:
            return rgb(192, 192, 192); // active window border
        case 15:
            return rgb(192, 192, 192); // button face
        case 8:                        // window text
        case 18:                       // button text
        default:
            return rgb(0, 0, 0);
        }
    }
    return rgb(int(c.value & 0xff), int((c.value >> 8) & 0xff), int((c.value >> 16) & 0xff));
}

static_assert(resolve(OleColor { 0x0002C0FF }) == rgb(255, 192, 2));
static_assert(resolve(OleColor { 0x00491007 }) == rgb(7, 16, 73));

} // namespace gv
