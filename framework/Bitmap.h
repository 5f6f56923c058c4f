#pragma once

#include "Color.h"
#include "Geometry.h"

#include <cstddef>
#include <vector>

namespace gv {

// Storage for pixels. A window-sized buffer is mapped with its pages already
// present: touched one by one, as a fill does, each page of fresh memory
// traps into the kernel, and under a hypervisor 3 MB of them cost 7 ms.
template <typename T> struct PixelAllocator {
    using value_type = T;
    PixelAllocator() = default;
    template <typename U> PixelAllocator(const PixelAllocator<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(allocate_pixels(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) { release_pixels(p, n * sizeof(T)); }
    template <typename U> friend bool operator==(const PixelAllocator&, const PixelAllocator<U>&) {
        return true;
    }

    static void* allocate_pixels(std::size_t bytes);
    static void release_pixels(void*, std::size_t bytes);
};

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

    // Makes memory for a bitmap of this size ready ahead, already touched,
    // so that the next bitmap of that size or a little smaller takes it.
    static void prepare_memory(Size);

private:
    int m_width { 0 };
    int m_height { 0 };
    std::vector<Rgb, PixelAllocator<Rgb>> m_pixels;
};

} // namespace gv
