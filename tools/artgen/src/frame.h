// The panel frame's design: a black field inside a two-pixel frame line, with
// the close mark in the top-right corner. The fighter, contact, links and
// credits pages share one size; the secrets pages have a larger frame.
#pragma once

#include "canvas.h"
#include "image.h"

#include <functional>

namespace artgen {

struct FrameDesign {
    int width = 0;
    int height = 0;
    // The close mark's box, flush with the top-right corner. Everything the
    // mark paints stays inside it, so it can be kept under the close hot-spot.
    Rect closeMark;
    // Colour of the frame line at an edge pixel.
    std::function<Rgb8(int x, int y)> edgeColour;
};

// Black field, frame line and close mark; nothing else is painted, because
// the pages draw their text over the field.
Image drawFrame(const FrameDesign& design);

Rgb8 toRgb8(const Color& c);

} // namespace artgen
