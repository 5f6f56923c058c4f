// Median-cut colour reduction with fixed tie-breaking, so results never vary.
#pragma once

#include "image.h"

#include <vector>

namespace artgen {

struct QuantizeOptions {
    int paletteSize = 256;      // total entries in the resulting palette
    std::vector<Rgb8> reserved; // placed at the end of the palette, never chosen for pixels
};

// Builds a palette of exactly options.paletteSize entries and maps every pixel
// (alpha ignored) to its nearest free entry without dithering.
IndexedImage quantize(const Image& img, const QuantizeOptions& options);

// Index of the first palette entry equal to c; throws if absent.
uint8_t paletteIndexOf(const IndexedImage& img, Rgb8 c);

} // namespace artgen
