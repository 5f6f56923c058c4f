#include "icon.h"

#include "quantize.h"

#include <stdexcept>

namespace artgen {

IconEntry maskedIcon(const Image& img, int bitsPerPixel) {
    const size_t n = static_cast<size_t>(img.width) * img.height;
    std::vector<bool> clear(n);
    Image opaque = img;
    const uint8_t* fillColour = nullptr;
    for (size_t i = 0; i < n; ++i) {
        clear[i] = img.rgba[i * 4 + 3] < 128;
        if (!clear[i] && !fillColour) fillColour = &img.rgba[i * 4];
    }
    if (!fillColour) throw std::runtime_error("icon is fully transparent");
    // Masked pixels borrow a visible colour so they don't take a palette slot.
    for (size_t i = 0; i < n; ++i) {
        uint8_t* p = &opaque.rgba[i * 4];
        if (clear[i])
            for (int c = 0; c < 3; ++c) p[c] = fillColour[c];
        p[3] = 255;
    }
    const int paletteSize = 1 << bitsPerPixel;
    const IndexedImage q = quantize(opaque, { paletteSize - 1, {} });
    IconEntry entry;
    entry.bitsPerPixel = bitsPerPixel;
    entry.transparent = clear;
    entry.image = q;
    entry.image.palette.insert(entry.image.palette.begin(), Rgb8 { 0, 0, 0 });
    for (size_t i = 0; i < n; ++i) entry.image.index[i] = clear[i] ? 0 : static_cast<uint8_t>(q.index[i] + 1);
    return entry;
}

} // namespace artgen
