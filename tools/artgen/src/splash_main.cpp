// Splash screen and main menu artwork.

#include "assets.h"
#include "canvas.h"
#include "icon.h"
#include "quantize.h"
#include "rng.h"
#include "style.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace artgen {
namespace {

constexpr double kPi = 3.14159265358979323846;

Image splashBackground() {
    Canvas c(584, 264);
    cairo_t* cr = c.cr();
    c.fill(rgb(196, 28, 150));
    c.setRadial(292, 110, 20, 330, { { 0, rgb(225, 50, 175) }, { 1, rgb(140, 10, 105) } });
    cairo_paint(cr);

    // Pale band fading in from the field above, brightest under the lettering.
    c.setLinear(
        0, 166, 0, 258,
        { { 0, rgb(232, 110, 205, 0) }, { 0.22, rgb(236, 120, 210, 0.95) }, { 1, rgb(240, 140, 218, 1) } });
    cairo_rectangle(cr, 0, 166, 584, 98);
    cairo_fill(cr);
    c.setLinear(0, 0, 584, 0,
                { { 0, rgb(140, 10, 105, 0.7) },
                  { 0.16, rgb(140, 10, 105, 0) },
                  { 0.84, rgb(140, 10, 105, 0) },
                  { 1, rgb(140, 10, 105, 0.7) } });
    cairo_rectangle(cr, 0, 166, 584, 98);
    cairo_fill(cr);

    // The program letters "CREATED" into rows 185..250, columns 120..470: keep that band
    // pale and free of clutter.
    const Rect calm { 112, 180, 366, 76 };
    Rng rng(0x0B5E11Eull);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    for (int i = 0; i < 140; ++i) {
        const double cx = rng.uniform(0, 584), cy = rng.uniform(0, 264), r = rng.uniform(8, 26);
        const int n = rng.range(3, 7);
        std::vector<std::pair<double, double>> pts;
        double a = rng.uniform(0, 2 * kPi);
        for (int k = 0; k < n; ++k) {
            const double rr = r * rng.uniform(0.45, 1.0);
            pts.push_back({ cx + std::cos(a) * rr, cy + std::sin(a) * rr });
            a += 2 * kPi / n * rng.uniform(0.6, 1.4);
        }
        const double width = rng.uniform(1.2, 2.6);
        const bool hitsCalm = cx + r > calm.x - 6 && cx - r < calm.right() + 6 && cy + r > calm.y - 6;
        if (hitsCalm) continue;
        for (size_t k = 0; k < pts.size(); ++k)
            k == 0 ? cairo_move_to(cr, pts[k].first, pts[k].second)
                   : cairo_line_to(cr, pts[k].first, pts[k].second);
        cairo_close_path(cr);
        c.setColor(rgb(55, 0, 45, 0.85));
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    }

    // The green ellipse with its halo, then the maker's name.
    auto ellipse = [](cairo_t* m) {
        cairo_save(m);
        cairo_translate(m, 292, 94);
        cairo_scale(m, 212, 76);
        cairo_arc(m, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(m);
    };
    c.glow([&](cairo_t* m) { ellipse(m), cairo_fill(m); }, rgb(30, 0, 20), 6, 1.2);
    ellipse(cr);
    c.setRadial(270, 70, 10, 230,
                { { 0, rgb(190, 255, 150) }, { 0.45, rgb(60, 235, 60) }, { 1, rgb(10, 150, 25) } });
    cairo_fill_preserve(cr);
    c.setColor(rgb(0, 60, 10));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    const Rect nameBox { 120, 34, 344, 112 };
    c.glow(
        [&](cairo_t* m) {
            cairo_save(c.cr());
            c.textPath(fonts::blackletter, 110, "Orvelle", nameBox);
            cairo_path_t* p = cairo_copy_path(c.cr());
            cairo_new_path(c.cr());
            cairo_restore(c.cr());
            cairo_append_path(m, p);
            cairo_path_destroy(p);
            cairo_fill(m);
        },
        rgb(20, 60, 0), 4, 1.5);
    c.metallicText(fonts::blackletter, 110, "Orvelle", nameBox, HAlign::Center,
                   { { 0, rgb(255, 70, 50) }, { 0.5, rgb(215, 10, 10) }, { 1, rgb(130, 0, 0) } },
                   rgb(50, 0, 0), 1.6);

    // Dark bevelled frame.
    const Rect all { 0, 0, 584, 264 };
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 0, 0, 584, 264);
    cairo_rectangle(cr, 9, 9, 566, 246);
    c.setColor(rgb(34, 6, 30));
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    c.bevel(all, 4, rgb(120, 70, 110), rgb(10, 0, 8));
    c.bevel({ 9, 9, 566, 246 }, -3, rgb(255, 160, 230, 0.7), rgb(20, 0, 15));
    return c.toImage();
}

// Small skull on a gold medallion; shared by the window icon.
void drawMedallion(Canvas& c, double cx, double cy, double r) {
    cairo_t* cr = c.cr();
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    c.setLinear(cx - r, cy - r, cx + r, cy + r, style::gold);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.78, 0, 2 * kPi);
    c.setRadial(cx, cy - r * 0.2, 0, r, { { 0, rgb(150, 10, 10) }, { 1, rgb(40, 0, 0) } });
    cairo_fill(cr);
    // Skull: cranium, jaw, eye sockets.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, r / 10, r / 10);
    cairo_arc(cr, 0, -1.5, 5.2, 0, 2 * kPi);
    cairo_rectangle(cr, -3, 1, 6, 4.5);
    c.setColor(rgb(240, 235, 210));
    cairo_fill(cr);
    cairo_arc(cr, -2.1, -1.2, 1.5, 0, 2 * kPi);
    cairo_fill(cr);
    c.setColor(rgb(20, 0, 0));
    cairo_arc(cr, -2.1, -1, 1.6, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_arc(cr, 2.1, -1, 1.6, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_move_to(cr, 0, 1);
    cairo_line_to(cr, -0.8, 2.4);
    cairo_line_to(cr, 0.8, 2.4);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 0.5);
    for (double x = -1.8; x <= 1.9; x += 1.2) {
        cairo_move_to(cr, x, 3.6);
        cairo_line_to(cr, x, 5.5);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // Horn-like wings either side.
    for (int side : { -1, 1 }) {
        cairo_move_to(cr, cx + side * r * 0.7, cy - r * 0.6);
        cairo_curve_to(cr, cx + side * r * 1.3, cy - r * 0.9, cx + side * r * 1.4, cy - r * 1.2,
                       cx + side * r * 1.45, cy - r * 1.25);
        cairo_curve_to(cr, cx + side * r * 1.2, cy - r * 0.3, cx + side * r * 1.1, cy, cx + side * r * 0.95,
                       cy + r * 0.1);
        cairo_close_path(cr);
        c.setLinear(cx, cy - r, cx, cy + r, style::gold);
        cairo_fill(cr);
    }
}

// The window icon's design, drawn on a 32-unit grid and scaled to size.
Image mainIconImage(int size) {
    Canvas c(size, size);
    cairo_scale(c.cr(), size / 32.0, size / 32.0);
    drawMedallion(c, 16, 12.5, 10.5);
    c.metallicText(fonts::spartanBlack, 10, "GRIM", { 1, 24, 30, 8 }, HAlign::Center, style::gold,
                   rgb(60, 20, 0), 0.6);
    return c.toImage();
}

std::vector<IconEntry> mainIcon() {
    return { maskedIcon(mainIconImage(32), 8) };
}

Image title() {
    Canvas c(347, 94);
    c.fill(style::black);
    const Rect top { 70, 3, 207, 27 };
    c.glowText(fonts::spartanBold, 30, "interactive", top, HAlign::Center, rgb(0, 0, 0, 0),
               rgb(150, 170, 220), 3, 0.7);
    c.metallicText(fonts::spartanBold, 30, "interactive", top, HAlign::Center, style::chrome, rgb(20, 22, 30),
                   0.8);
    const Rect main { 8, 35, 331, 54 };
    c.glowText(fonts::spartanBlack, 60, "GRIMVEIL", main, HAlign::Center, rgb(0, 0, 0, 0), rgb(255, 90, 0), 5,
               1.3);
    c.metallicText(fonts::spartanBlack, 60, "GRIMVEIL", main, HAlign::Center, style::goldOrange,
                   rgb(70, 12, 0), 1.4);
    return c.toImage();
}

Image makerTop() {
    Canvas c(141, 195);
    c.fill(style::black);
    cairo_t* cr = c.cr();
    // Stripes narrow as they descend.
    const int stripes = 15;
    for (int i = 0; i < stripes; ++i) {
        const double y = 14 + i * 12;
        const double w = 141 - i * 8.4;
        const double x = (141 - w) / 2;
        c.setLinear(x, 0, x + w, 0,
                    { { 0, rgb(90, 0, 2) }, { 0.5, rgb(215, 10, 10) }, { 1, rgb(90, 0, 2) } });
        cairo_rectangle(cr, x, y, w, 7);
        cairo_fill(cr);
    }
    const Rect name { 4, 50, 133, 62 };
    c.glowText(fonts::blackletter, 64, "Orvelle", name, HAlign::Center, rgb(0, 0, 0, 0), rgb(0, 0, 0), 3,
               2.5);
    c.metallicText(fonts::blackletter, 64, "Orvelle", name, HAlign::Center,
                   { { 0, rgb(190, 198, 240) }, { 0.5, rgb(114, 123, 182) }, { 1, rgb(60, 66, 120) } },
                   rgb(10, 10, 30), 1.2);
    const Rect sub { 30, 118, 81, 20 };
    c.glowText(fonts::spartanBold, 20, "created", sub, HAlign::Center, rgb(0, 0, 0, 0), rgb(0, 0, 0), 3, 2.5);
    c.metallicText(fonts::spartanBold, 20, "created", sub, HAlign::Center,
                   { { 0, rgb(200, 206, 240) }, { 1, rgb(100, 108, 170) } }, rgb(10, 10, 30), 0.8);
    return c.toImage();
}

Image skull() {
    Canvas c(100, 113);
    c.fill(style::black);
    cairo_t* cr = c.cr();
    auto head = [](cairo_t* m) {
        cairo_move_to(m, 50, 5);
        cairo_curve_to(m, 76, 5, 90, 24, 89, 46);
        cairo_curve_to(m, 88, 58, 84, 64, 80, 70);
        cairo_curve_to(m, 78, 80, 74, 86, 69, 92);
        cairo_curve_to(m, 67, 101, 60, 106, 50, 106);
        cairo_curve_to(m, 40, 106, 33, 101, 31, 92);
        cairo_curve_to(m, 26, 86, 22, 80, 20, 70);
        cairo_curve_to(m, 16, 64, 12, 58, 11, 46);
        cairo_curve_to(m, 10, 24, 24, 5, 50, 5);
        cairo_close_path(m);
    };
    c.glow([&](cairo_t* m) { head(m), cairo_fill(m); }, rgb(40, 255, 60), 5, 0.9);
    head(cr);
    // Lit from the upper left, so the mirrored copy really differs.
    c.setRadial(36, 30, 4, 80,
                { { 0, rgb(215, 255, 190) },
                  { 0.35, rgb(90, 220, 70) },
                  { 0.75, rgb(20, 110, 25) },
                  { 1, rgb(4, 35, 6) } });
    cairo_fill(cr);

    // Eye sockets.
    for (int side : { -1, 1 }) {
        cairo_save(cr);
        cairo_translate(cr, 50 + side * 16, 53);
        cairo_rotate(cr, side * 0.18);
        cairo_scale(cr, 11.5, 9.5);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        c.setRadial(50 + side * 16, 55, 2, 12,
                    { { 0, rgb(0, 0, 0) }, { 0.75, rgb(0, 12, 0) }, { 1, rgb(10, 60, 10) } });
        cairo_fill(cr);
        cairo_arc(cr, 50 + side * 15, 55, 2.2, 0, 2 * kPi);
        c.setColor(rgb(120, 255, 100, 0.8));
        cairo_fill(cr);
    }
    // Brow ridge shadow.
    c.setColor(rgb(0, 30, 0, 0.35));
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 26, 43);
    cairo_curve_to(cr, 38, 38, 62, 38, 74, 43);
    cairo_stroke(cr);
    // Nasal cavity.
    cairo_move_to(cr, 50, 64);
    cairo_curve_to(cr, 46, 70, 43, 76, 45, 79);
    cairo_line_to(cr, 50, 77);
    cairo_line_to(cr, 55, 79);
    cairo_curve_to(cr, 57, 76, 54, 70, 50, 64);
    c.setColor(rgb(0, 8, 0));
    cairo_fill(cr);
    // Cheek hollows.
    for (int side : { -1, 1 }) {
        cairo_save(cr);
        cairo_translate(cr, 50 + side * 24, 76);
        cairo_scale(cr, 5, 9);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        c.setColor(rgb(0, 20, 0, 0.55));
        cairo_fill(cr);
    }
    // Mouth and teeth.
    c.roundedRectPath({ 33, 84, 34, 14 }, 4);
    c.setColor(rgb(0, 10, 0));
    cairo_fill(cr);
    for (int i = 0; i < 7; ++i) {
        const double x = 34.5 + i * 4.55;
        c.roundedRectPath({ x, 84.5, 3.8, 6 }, 1.2);
        c.roundedRectPath({ x + 0.3, 91.5, 3.4, 5.5 }, 1.2);
    }
    c.setLinear(0, 84, 0, 97,
                { { 0, rgb(190, 255, 170) }, { 0.5, rgb(80, 190, 70) }, { 1, rgb(30, 110, 30) } });
    cairo_fill(cr);
    // Cracks across the crown.
    c.setColor(rgb(0, 25, 0, 0.8));
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 58, 7);
    cairo_line_to(cr, 61, 15);
    cairo_line_to(cr, 58, 21);
    cairo_line_to(cr, 63, 29);
    cairo_stroke(cr);
    cairo_move_to(cr, 61, 15);
    cairo_line_to(cr, 68, 18);
    cairo_stroke(cr);
    cairo_move_to(cr, 30, 18);
    cairo_line_to(cr, 35, 24);
    cairo_line_to(cr, 33, 30);
    cairo_stroke(cr);
    return c.toImage();
}

struct HotSpot {
    const char* label;
    Rect rect;
};

// Dark bar with an orange end cap, words in light blue.
void menuBar(Canvas& c, const HotSpot& h, bool capLeft, HAlign align, double size) {
    cairo_t* cr = c.cr();
    const Rect& r = h.rect;
    const Rect bar { r.x, r.y + 1, r.w + (capLeft ? 4 : 0), r.h - 2 };
    c.roundedRectPath(bar, 3);
    c.setLinear(0, bar.y, 0, bar.bottom(),
                { { 0, rgb(40, 46, 84) }, { 0.5, rgb(16, 18, 40) }, { 1, rgb(6, 6, 18) } });
    cairo_fill(cr);
    c.roundedRectPath(bar, 3);
    c.setColor(rgb(90, 100, 160, 0.8));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const double capW = 7;
    const Rect cap { capLeft ? bar.x : bar.right() - capW, bar.y, capW, bar.h };
    c.roundedRectPath(cap, 2.5);
    c.setLinear(0, cap.y, 0, cap.bottom(),
                { { 0, rgb(255, 190, 120) }, { 0.45, rgb(255, 108, 22) }, { 1, rgb(150, 50, 0) } });
    cairo_fill(cr);
    const Rect text = capLeft ? Rect { r.x + capW + 3, r.y + 3, r.w - capW - 6, r.h - 6 }
                              : Rect { r.x + 3, r.y + 3, r.w - capW - 6, r.h - 6 };
    c.glowText(fonts::sansBold, size, h.label, text, align, style::lightBlue, rgb(40, 90, 255), 2, 0.9);
}

Image menu() {
    Canvas c(212, 383);
    cairo_t* cr = c.cr();
    c.fill(rgb(3, 3, 10));
    // The column: faint stone, darkening towards the bottom.
    c.stone({ 0, 0, 196, 383 }, rgb(22, 24, 52), 0x3E7Eull, 0.35, 5);
    c.setLinear(0, 0, 0, 383, { { 0, rgb(10, 12, 30, 0.55) }, { 1, rgb(2, 2, 8, 0.8) } });
    cairo_rectangle(cr, 0, 0, 196, 383);
    cairo_fill(cr);
    // Blue arc along the right side.
    auto arc = [](cairo_t* m) {
        cairo_move_to(m, 168, 0);
        cairo_curve_to(m, 214, 110, 214, 270, 168, 383);
    };
    c.glow([&](cairo_t* m) { arc(m), cairo_set_line_width(m, 6), cairo_stroke(m); }, rgb(40, 90, 255), 5,
           1.4);
    arc(cr);
    c.setColor(rgb(70, 130, 255));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    arc(cr);
    c.setColor(rgb(190, 220, 255));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // A faint rail joining the bars.
    c.setColor(rgb(70, 80, 140, 0.5));
    cairo_rectangle(cr, 4, 60, 2, 185);
    cairo_fill(cr);

    const HotSpot entries[] = {
        { "Character Moves", { 16, 76, 121, 20 } }, { "Secrets & Codes", { 8, 112, 129, 20 } },
        { "Internet Links", { 8, 144, 129, 20 } },  { "Credits", { 16, 180, 121, 20 } },
        { "Contacting", { 16, 215, 129, 20 } },
    };
    for (const HotSpot& h : entries) menuBar(c, h, true, HAlign::Right, 13);
    return c.toImage();
}

Image exitMinimize() {
    Canvas c(140, 59);
    cairo_t* cr = c.cr();
    c.fill(style::black);
    c.roundedRectPath({ 0.5, 0.5, 139, 58 }, 12);
    c.setLinear(0, 0, 0, 59,
                { { 0, rgb(160, 168, 215) }, { 0.5, rgb(114, 123, 182) }, { 1, rgb(60, 66, 115) } });
    cairo_fill(cr);
    c.roundedRectPath({ 1.5, 1.5, 137, 56 }, 11);
    c.setColor(rgb(20, 22, 50));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    menuBar(c, { "Minimize...", { 8, 13, 121, 17 } }, false, HAlign::Center, 11);
    menuBar(c, { "Exit to System", { 8, 36, 121, 17 } }, false, HAlign::Center, 11);
    return c.toImage();
}

enum Corner { TopLeft, TopRight, BottomLeft, BottomRight };

// Navy field with a 2px edge on the two sides meeting at the corner, blue at
// the corner fading to orange along each side.
Image border(int w, int h, Corner corner) {
    Image img(w, h);
    const bool top = corner == TopLeft || corner == TopRight;
    const bool left = corner == TopLeft || corner == BottomLeft;
    auto toByte = [](double v) { return static_cast<uint8_t>(std::lround(v * 255)); };
    auto colour = [&](double t) {
        const Color m = mix(style::edgeBlue, style::orange, std::clamp(t, 0.0, 1.0));
        return Rgb8 { toByte(m.r), toByte(m.g), toByte(m.b) };
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int dx = left ? x : w - 1 - x; // distance from the corner
            const int dy = top ? y : h - 1 - y;
            Rgb8 c { 7, 16, 73 };
            if (dy < 2)
                c = colour(dx / (w * 0.75));
            else if (dx < 2)
                c = colour(dy / (h * 0.75));
            img.set(x, y, c);
        }
    return img;
}

Image flat(int w, int h, Rgb8 c) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.set(x, y, c);
    return img;
}

// Dark red at the start to slate blue at the end, along the longer side.
Image redToSlate(int w, int h) {
    Image img(w, h);
    const int n = std::max(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double t = (w > h ? x : y) / static_cast<double>(n - 1);
            auto lerp = [t](int a, int b) { return static_cast<uint8_t>(std::lround(a + (b - a) * t)); };
            img.set(x, y, { lerp(180, 114), lerp(0, 123), lerp(3, 182) });
        }
    return img;
}

} // namespace

void addSplashMainAssets(AssetList& list) {
    const Rgb8 orange { 255, 108, 22 }, slate { 114, 123, 182 }, darkRed { 180, 0, 3 };
    list.push_back(jpegAsset("splashBDD_Background", 584, 264, splashBackground));
    list.push_back(icoAsset("Main001_Icon", 32, 32, mainIcon));
    // The desktop's icon for the installed program, at the hicolor theme's sizes.
    for (int size : kDesktopIconSizes)
        list.push_back(pngAsset("DesktopIcon_" + std::to_string(size), size, size,
                                [size] { return mainIconImage(size); }));
    list.push_back(jpegAsset("Main001_Title001", 347, 94, title));
    list.push_back(jpegAsset("Main001_Top", 141, 195, makerTop));
    list.push_back(jpegAsset("Main001_Skull01", 100, 113, skull));
    list.push_back(jpegAsset("Main001_Skull02", 100, 113, [] { return mirrorHorizontally(skull()); }));
    list.push_back(jpegAsset("Main001_Menu", 212, 383, menu));
    list.push_back(jpegAsset("Main001_ExitMinumize", 140, 59, exitMinimize));
    list.push_back(jpegAsset("Main001_BorderTopLeft", 86, 79, [] { return border(86, 79, TopLeft); }));
    list.push_back(jpegAsset("Main001_BorderTopRight", 79, 86, [] { return border(79, 86, TopRight); }));
    list.push_back(jpegAsset("Main001_BorderBottomLeft", 79, 86, [] { return border(79, 86, BottomLeft); }));
    list.push_back(
        jpegAsset("Main001_BorderBottomRight", 86, 79, [] { return border(86, 79, BottomRight); }));
    list.push_back(jpegAsset("Main001_BorderBottom", 500, 2, [=] { return flat(500, 2, orange); }));
    list.push_back(jpegAsset("Main001_Picture1", 2, 500, [=] { return flat(2, 500, orange); }));
    list.push_back(jpegAsset("Main001_Picture10", 2, 600, [=] { return flat(2, 600, slate); }));
    list.push_back(jpegAsset("Main001_Picture8", 700, 2, [=] { return flat(700, 2, slate); }));
    list.push_back(jpegAsset("Main001_Picture5", 300, 2, [=] { return flat(300, 2, darkRed); }));
    list.push_back(jpegAsset("Main001_Picture4", 2, 300, [=] { return flat(2, 300, darkRed); }));
    list.push_back(jpegAsset("Main001_Picture3", 2, 63, [] { return redToSlate(2, 63); }));
    list.push_back(jpegAsset("Main001_Picture2", 63, 2, [] { return redToSlate(63, 2); }));
}

} // namespace artgen
