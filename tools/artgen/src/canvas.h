// Small drawing toolkit on top of a cairo image surface. Everything here is
// deterministic: textures take explicit seeds, blurs are integer box filters.
#pragma once

#include "fonts.h"
#include "image.h"

#include <cairo.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace artgen {

struct Color {
    double r = 0, g = 0, b = 0, a = 1;
};

constexpr Color rgb(int r, int g, int b, double a = 1.0) {
    return { r / 255.0, g / 255.0, b / 255.0, a };
}
Color mix(const Color& a, const Color& b, double t);
Color scale(const Color& c, double k); // brightness, alpha kept

struct Stop {
    double offset;
    Color color;
};

struct Rect {
    double x = 0, y = 0, w = 0, h = 0;
    double right() const { return x + w; }
    double bottom() const { return y + h; }
    double cx() const { return x + w / 2; }
    double cy() const { return y + h / 2; }
};

enum class HAlign { Left, Center, Right };

using PathFn = std::function<void(cairo_t*)>;

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void fill(const Color& c);
    void setColor(const Color& c);
    // Sets a gradient as the current source.
    void setLinear(double x0, double y0, double x1, double y1, const std::vector<Stop>& stops);
    void setRadial(double cx, double cy, double r0, double r1, const std::vector<Stop>& stops);
    void fillRect(const Rect& r, const Color& c);
    void roundedRectPath(const Rect& r, double radius);

    // Raised (depth > 0) or sunken (depth < 0) edge drawn inside r.
    void bevel(const Rect& r, double depth, const Color& light, const Color& dark);

    // Mottled stone: seeded value noise over base, plus a few dark cracks.
    void stone(const Rect& r, const Color& base, uint64_t seed, double contrast = 0.35, int cracks = 4);

    // Adds the outline of text to the current path, its ink box fitted into box:
    // centred vertically, aligned horizontally, shrunk if wider than the box.
    // Returns the font size actually used.
    double textPath(const Font& font, double size, const std::string& text, const Rect& box,
                    HAlign align = HAlign::Center);

    // Adds the outline of text (ASCII) scaled so its ink is exactly box.h tall,
    // centred in box, with minTracking to maxTracking px between two letters:
    // text narrower than the box has its letters spaced out, wider text is
    // squeezed horizontally to the box's width. For headings of one style and
    // height in boxes of differing widths.
    void spacedTextPath(const Font& font, const std::string& text, const Rect& box, double minTracking,
                        double maxTracking);

    // Text filled with a vertical gradient running over the ink box, with an outline.
    void metallicText(const Font& font, double size, const std::string& text, const Rect& box, HAlign align,
                      const std::vector<Stop>& stops, const Color& outline, double outlineWidth);

    // Soft halo: the shape is blurred and painted in the glow colour.
    void glow(const PathFn& shape, const Color& color, int radius, double strength = 1.0);
    void glowText(const Font& font, double size, const std::string& text, const Rect& box, HAlign align,
                  const Color& fill, const Color& glowColor, int radius, double strength = 1.0);

    // Cairo caches pixels; call before touching them directly.
    void flush();
    void markDirty();
    Image toImage();
    void putImage(const Image& img); // replaces all pixels

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Separable box blur over a coverage map; three passes
// approximate a Gaussian.
void boxBlurAlpha(std::vector<float>& alpha, int width, int height, int radius);

} // namespace artgen
