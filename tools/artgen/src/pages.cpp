// Panel frame shared by the fighter, links, credits and contact pages, and the
// two section titles of the fighter pages.

#include "assets.h"
#include "canvas.h"
#include "quantize.h"
#include "style.h"

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

constexpr int kPanelWidth = 681;
constexpr int kPanelHeight = 364;
constexpr int kFrameWidth = 2;
// The close mark's box; the page's close hot-spot (648..680 x 0..32) covers it.
constexpr Rect kCloseMark { 652, 0, 29, 30 };

// Both titles use one size, so "Reapings" matches "Special Moves" letter for letter.
constexpr double kTitleSize = 30;
const Font& kTitleFont = fonts::spartanBlack;

IndexedImage sectionTitle(int width, int height, const std::string& text) {
    Canvas c(width, height);
    c.fill(style::black);
    // Left-aligned: the title sits in the page's top-left corner, above the
    // left-aligned move rows.
    const Rect box { 3, 2, width - 6.0, height - 4.0 };
    c.glowText(kTitleFont, kTitleSize, text, box, HAlign::Left, rgb(0, 0, 0, 0), rgb(255, 120, 0), 2, 0.25);
    c.metallicText(kTitleFont, kTitleSize, text, box, HAlign::Left, style::gold, rgb(70, 28, 0), 1.1);
    return quantize(flattenOnBlack(c.toImage()), { 256, {} });
}

// Blue on the left, orange in the middle, red on the right.
Rgb8 frameColour(int x) {
    const double t = static_cast<double>(x) / (kPanelWidth - 1);
    const Color c = t < 0.5 ? mix(style::edgeBlue, style::orange, t / 0.5)
                            : mix(style::orange, style::red, (t - 0.5) / 0.5);
    auto toByte = [](double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return { toByte(c.r), toByte(c.g), toByte(c.b) };
}

// A red bracket along the box's left and bottom sides, open towards the
// corner, holding a glossy blue X.
void closeMark(Canvas& c) {
    cairo_t* cr = c.cr();
    const Rect& m = kCloseMark;
    cairo_save(cr);
    cairo_rectangle(cr, m.x, m.y, m.w, m.h);
    cairo_clip(cr);

    // Centred on whole pixels with width 2, so each arm is exactly two pixels.
    auto bracket = [&](cairo_t* p) {
        cairo_move_to(p, m.x + 1, m.y);
        cairo_line_to(p, m.x + 1, m.bottom() - 4);
        cairo_arc_negative(p, m.x + 4, m.bottom() - 4, 3, 3.14159265358979, 3.14159265358979 / 2);
        cairo_line_to(p, m.right() + 1, m.bottom() - 1);
    };
    bracket(cr);
    c.setColor(style::red);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    const double cx = m.x + 15.5, cy = 14, arm = 7;
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

// Black field: text is drawn over it in gold and white, so nothing but the
// frame and the close mark is painted.
Image panelFrame() {
    Canvas c(kPanelWidth, kPanelHeight);
    c.fill(style::black);
    closeMark(c);
    Image img = c.toImage();
    for (int y = 0; y < kPanelHeight; ++y)
        for (int x = 0; x < kPanelWidth; ++x) {
            const bool edge = x < kFrameWidth || y < kFrameWidth || x >= kPanelWidth - kFrameWidth ||
                              y >= kPanelHeight - kFrameWidth;
            if (edge) img.set(x, y, frameColour(x));
        }
    return img;
}

} // namespace

void addPagesAssets(AssetList& list) {
    list.push_back(
        gifAsset("MovesVorsk_Picture1", 221, 35, [] { return sectionTitle(221, 35, "Special Moves"); }));
    list.push_back(
        gifAsset("MovesVorsk_Picture2", 160, 38, [] { return sectionTitle(160, 38, "Reapings"); }));
    list.push_back(jpegAsset("Credits001_Background", kPanelWidth, kPanelHeight, panelFrame));
    // The same frame stored as a bitmap: the JPEG's own decoded pixels, so the
    // page that shows it looks exactly like the other 22.
    list.push_back(bmpAsset("MovesDuvrin_Background", kPanelWidth, kPanelHeight,
                            [] { return decodeJpeg(encodeJpeg(panelFrame())); }));
}

} // namespace artgen
