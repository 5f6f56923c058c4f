#pragma once

#include "Color.h"
#include "Geometry.h"

#include <vector>

namespace gv {

// A 32-bit pixel buffer, 0x00RRGGBB per pixel, rows packed.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Rgb fill = 0)
        : m_width(width)
        , m_height(height)
        , m_pixels(std::size_t(width) * std::size_t(height), fill) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    Size size() const { return { m_width, m_height }; }
    Rect rect() const { return { 0, 0, m_width, m_height }; }
    bool empty() const { return m_pixels.empty(); }

    Rgb pixel(int x, int y) const { return m_pixels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)]; }
    void set_pixel(int x, int y, Rgb c) {
        m_pixels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)] = c;
    }
    Rgb* row(int y) { return m_pixels.data() + std::size_t(y) * std::size_t(m_width); }
    const Rgb* row(int y) const { return m_pixels.data() + std::size_t(y) * std::size_t(m_width); }
    const Rgb* data() const { return m_pixels.data(); }

private:
    int m_width { 0 };
    int m_height { 0 };
    std::vector<Rgb> m_pixels;
};

} // namespace gv
