#pragma once

namespace gv {

// Layout coordinates are twips: 1440 to the inch at 96 pixels per inch, so 15
// to the pixel, rounded to the nearest pixel (15 is odd, so there are no ties).
constexpr int twips_to_pixels(int twips) {
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

constexpr int pixels_to_twips(int pixels) {
    return pixels * 15;
}

static_assert(twips_to_pixels(2290) == 153);
static_assert(twips_to_pixels(3590) == 239);
static_assert(twips_to_pixels(-10) == -1);
static_assert(twips_to_pixels(7) == 0 && twips_to_pixels(8) == 1);

} // namespace gv
