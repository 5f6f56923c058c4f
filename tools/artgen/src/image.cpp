#include "image.h"

namespace artgen {

Image flattenOnBlack(const Image& src) {
    Image out(src.width, src.height);
    for (size_t i = 0; i < src.rgba.size(); i += 4) {
        const unsigned a = src.rgba[i + 3];
        for (int c = 0; c < 3; ++c) out.rgba[i + c] = static_cast<uint8_t>((src.rgba[i + c] * a + 127) / 255);
        out.rgba[i + 3] = 255;
    }
    return out;
}

Image mirrorHorizontally(const Image& src) {
    Image out(src.width, src.height);
    for (int y = 0; y < src.height; ++y)
        for (int x = 0; x < src.width; ++x) {
            const uint8_t* s = src.at(src.width - 1 - x, y);
            uint8_t* d = out.at(x, y);
            for (int c = 0; c < 4; ++c) d[c] = s[c];
        }
    return out;
}

} // namespace artgen
