// Shared colours and gradients, so every screen keeps the same gothic look.
#pragma once

#include "canvas.h"

#include <vector>

namespace artgen::style {

inline constexpr Color orange = rgb(255, 108, 22);
inline constexpr Color slate = rgb(114, 123, 182);
inline constexpr Color darkRed = rgb(180, 0, 3);
inline constexpr Color red = rgb(230, 24, 12);
inline constexpr Color navy = rgb(7, 16, 73);
inline constexpr Color edgeBlue = rgb(70, 130, 255);
inline constexpr Color lightBlue = rgb(165, 205, 255);
inline constexpr Color black = rgb(0, 0, 0);

inline const std::vector<Stop> gold {
    { 0.0, rgb(255, 250, 200) }, { 0.35, rgb(255, 214, 80) }, { 0.55, rgb(214, 140, 20) },
    { 0.75, rgb(255, 190, 60) }, { 1.0, rgb(150, 70, 0) },
};
inline const std::vector<Stop> goldOrange {
    { 0.0, rgb(255, 245, 170) }, { 0.3, rgb(255, 205, 60) }, { 0.55, rgb(255, 140, 20) },
    { 0.8, rgb(235, 85, 10) },   { 1.0, rgb(140, 30, 0) },
};
inline const std::vector<Stop> chrome {
    { 0.0, rgb(255, 255, 255) }, { 0.45, rgb(170, 178, 190) }, { 0.5, rgb(60, 64, 75) },
    { 0.7, rgb(200, 206, 215) }, { 1.0, rgb(110, 115, 125) },
};
inline const std::vector<Stop> steelBlue {
    { 0.0, rgb(230, 240, 255) },
    { 0.45, rgb(140, 170, 235) },
    { 0.55, rgb(45, 70, 150) },
    { 1.0, rgb(120, 150, 220) },
};

} // namespace artgen::style
