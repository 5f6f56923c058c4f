// Turns a drawing with alpha into a palette icon image with an AND mask.
#pragma once

#include "image.h"
#include "writers.h"

namespace artgen {

// Pixels under half coverage become transparent (mask bit set, colour index 0,
// black); the rest keep their unpremultiplied colour, so edges don't darken.
// bitsPerPixel is 4 (16 colours) or 8 (256 colours).
IconEntry maskedIcon(const Image& img, int bitsPerPixel);

} // namespace artgen
