#include "frame.h"

#include "style.h"

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

constexpr int kFrameWidth = 2;
constexpr double kPi = 3.14159265358979;

// A red bracket along the box's left and bottom sides, open towards the
// corner, holding a glossy blue X. The X keeps its distance from the right
// edge, so boxes of different widths differ only in the bracket's reach.
void closeMark(Canvas& c, const Rect& m) {
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_rectangle(cr, m.x, m.y, m.w, m.h);
    cairo_clip(cr);

    // Centred on whole pixels with width 2, so each arm is exactly two pixels.
    auto bracket = [&](cairo_t* p) {
        cairo_move_to(p, m.x + 1, m.y);
        cairo_line_to(p, m.x + 1, m.bottom() - 4);
        cairo_arc_negative(p, m.x + 4, m.bottom() - 4, 3, kPi, kPi / 2);
        cairo_line_to(p, m.right() + 1, m.bottom() - 1);
    };
    bracket(cr);
    c.setColor(style::red);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    const double cx = m.right() - 13.5, cy = 14, arm = 7;
    auto cross = [&](cairo_t* p) {
        cairo_move_to(p, cx - arm, cy - arm);
        cairo_line_to(p, cx + arm, cy + arm);
        cairo_move_to(p, cx + arm, cy - arm);
        cairo_line_to(p, cx - arm, cy + arm);
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    c.glow([&](cairo_t* p) { cross(p), cairo_set_line_width(p, 6), cairo_stroke(p); }, rgb(40, 90, 255), 2,
           0.8);
    cross(cr);
    c.setColor(style::navy);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cross(cr);
    c.setLinear(0, cy - arm - 2, 0, cy + arm + 2,
                { { 0, rgb(215, 235, 255) }, { 0.45, rgb(80, 140, 255) }, { 1, rgb(20, 50, 170) } });
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // Gloss: a pale streak along the upper half of each arm.
    cairo_move_to(cr, cx - arm + 0.5, cy - arm - 0.5);
    cairo_line_to(cr, cx - 1, cy - 2);
    cairo_move_to(cr, cx + arm - 1.5, cy - arm - 0.5);
    cairo_line_to(cr, cx + 1, cy - 2);
    c.setColor(rgb(255, 255, 255, 0.75));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace

Rgb8 toRgb8(const Color& c) {
    auto byte = [](double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return { byte(c.r), byte(c.g), byte(c.b) };
}

Image drawFrame(const FrameDesign& d) {
    Canvas c(d.width, d.height);
    c.fill(style::black);
    closeMark(c, d.closeMark);
    Image img = c.toImage();
    for (int y = 0; y < d.height; ++y)
        for (int x = 0; x < d.width; ++x) {
            const bool edge = x < kFrameWidth || y < kFrameWidth || x >= d.width - kFrameWidth ||
                              y >= d.height - kFrameWidth;
            if (edge) img.set(x, y, d.edgeColour(x, y));
        }
    return img;
}

} // namespace artgen
