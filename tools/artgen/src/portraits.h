// Fighter portraits for the selection grid, drawn from a per-fighter look table.
#pragma once

#include "image.h"

#include <string>

namespace artgen {

constexpr int kPortraitWidth = 67;
constexpr int kPortraitHeight = 61;

int fighterCount();
std::string fighterName(int index);
Image drawPortrait(int index);

} // namespace artgen
