// Plain pixel containers shared by the drawing code and the file writers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace artgen {

struct Rgb8 {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

// Unpremultiplied RGBA, row-major, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;

    Image() = default;
    Image(int w, int h)
        : width(w)
        , height(h)
        , rgba(static_cast<std::size_t>(w) * h * 4, 0) {}

    uint8_t* at(int x, int y) { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    const uint8_t* at(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    Rgb8 rgb(int x, int y) const {
        const uint8_t* p = at(x, y);
        return { p[0], p[1], p[2] };
    }
    void set(int x, int y, Rgb8 c, uint8_t a = 255) {
        uint8_t* p = at(x, y);
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
        p[3] = a;
    }
};

// Palette image; the palette may hold more entries than the pixels use.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> palette;
    std::vector<uint8_t> index;

    uint8_t& at(int x, int y) { return index[static_cast<std::size_t>(y) * width + x]; }
    uint8_t at(int x, int y) const { return index[static_cast<std::size_t>(y) * width + x]; }
};

// Composites over black and drops alpha; used before JPEG encoding.
Image flattenOnBlack(const Image& src);
Image mirrorHorizontally(const Image& src);

} // namespace artgen
