#include "Painter.h"

#include "Verify.h"

#include <algorithm>
#include <cstring>

namespace gv {

Painter::Painter(Bitmap& target)
    : m_target(target) {
    m_state.push_back({ target.rect(), {} });
}

// A frame that leaves a state pushed is a bug in the painting code.
Painter::~Painter() {
    VERIFY(m_state.size() == 1);
}

void Painter::restore() {
    VERIFY(m_state.size() > 1);
    m_state.pop_back();
}

void Painter::clip_to(Rect r) {
    auto& s = m_state.back();
    s.clip = s.clip.intersected(r.translated(s.origin.x, s.origin.y));
}

void Painter::translate(int dx, int dy) {
    auto& s = m_state.back();
    s.origin.x += dx;
    s.origin.y += dy;
}

Rect Painter::clip_in_local() const {
    auto& s = m_state.back();
    return s.clip.translated(-s.origin.x, -s.origin.y);
}

void Painter::fill_rect(Rect r, Rgb c) {
    auto& s = m_state.back();
    Rect d = r.translated(s.origin.x, s.origin.y).intersected(s.clip);
    if (d.empty()) return;
    // One row filled, the others copied from it: the C library's copy moves
    // wider words than the compiler's fill loop for a baseline target.
    Rgb* first = m_target.row(d.y) + d.x;
    std::fill_n(first, d.width, c);
    for (int y = d.top() + 1; y < d.bottom(); ++y)
        std::memcpy(m_target.row(y) + d.x, first, std::size_t(d.width) * sizeof(Rgb));
}

void Painter::draw_bitmap(Point at, const Bitmap& bitmap) {
    auto& s = m_state.back();
    Rect placed { at.x + s.origin.x, at.y + s.origin.y, bitmap.width(), bitmap.height() };
    Rect d = placed.intersected(s.clip);
    for (int y = d.top(); y < d.bottom(); ++y)
        std::copy_n(bitmap.row(y - placed.y) + (d.x - placed.x), d.width, m_target.row(y) + d.x);
}

void Painter::draw_coverage(Point at, Size size, std::span<const std::uint8_t> coverage, Rgb c) {
    auto& s = m_state.back();
    Rect placed { at.x + s.origin.x, at.y + s.origin.y, size.width, size.height };
    Rect d = placed.intersected(s.clip);
    for (int y = d.top(); y < d.bottom(); ++y) {
        const std::uint8_t* src = coverage.data() + std::size_t(y - placed.y) * std::size_t(size.width);
        Rgb* dst = m_target.row(y);
        for (int x = d.left(); x < d.right(); ++x) {
            unsigned a = src[x - placed.x];
            if (a == 0) continue;
            if (a == 255) {
                dst[x] = c;
                continue;
            }
            Rgb b = dst[x];
            // round((fg * a + bg * (255 - a)) / 255), exact over the whole range, without a division.
            auto mix = [a](unsigned fg, unsigned bg) {
                const unsigned v = fg * a + bg * (255 - a) + 128;
                return int((v + (v >> 8)) >> 8);
            };
            dst[x] =
                rgb(mix(red_of(c), red_of(b)), mix(green_of(c), green_of(b)), mix(blue_of(c), blue_of(b)));
        }
    }
}

void Painter::draw_border(Rect r, Rgb c) {
    if (r.empty()) return;
    fill_rect({ r.x, r.y, r.width, 1 }, c);
    fill_rect({ r.x, r.bottom() - 1, r.width, 1 }, c);
    fill_rect({ r.x, r.y, 1, r.height }, c);
    fill_rect({ r.right() - 1, r.y, 1, r.height }, c);
}

} // namespace gv
