#include "portraits.h"

#include "canvas.h"

#include <cmath>
#include <vector>

namespace artgen {
namespace {

constexpr double kPi = 3.14159265358979323846;

enum class Hair { Bald, Crop, Long, Mohawk, Spiky, Topknot, Braids, Slick };
enum class Headgear { None, Hood, Helmet, HornedHelmet, LowerMask, FullMask, Bandana, Crown };
enum class Beard { None, Stubble, Goatee, Full, Long };
enum class Garb { Armor, Robe, Bare, Collar, Fur };
enum class Marking { None, WarPaint, Tattoo, Stitches, Freckles };

// Everything that makes one fighter look different from the next lives here,
// so adding a fighter is adding a row.
struct Look {
    const char* name;
    Color skin;
    Hair hair;
    Color hairColor;
    Headgear headgear;
    Color gearColor;
    Color eyes;
    bool eyeGlow;
    Beard beard;
    Garb garb;
    Color garbColor;
    Color trim;
    Color bgInner;
    Color bgOuter;
    Marking marking;
    Color markColor;
    bool scar;
    bool horns;
    bool pointedEars;
    double faceWidth; // 1.0 = average
};

const Color none {};

// clang-format off
const std::vector<Look> kLooks {
    { "Omberl",  rgb(112, 70, 45),  Hair::Bald,    none,              Headgear::None,         none,              rgb(255, 40, 20),  true,  Beard::Full,    Garb::Bare,   rgb(112, 70, 45),  rgb(90, 50, 25),  rgb(170, 40, 30),  rgb(40, 5, 5),   Marking::None,     none,              true,  false, false, 1.15 },
    { "Ashvane", rgb(236, 220, 210), Hair::Long,   rgb(235, 235, 245), Headgear::None,        none,              rgb(120, 220, 255), true, Beard::None,    Garb::Robe,   rgb(80, 95, 130),  rgb(200, 210, 230), rgb(40, 150, 150), rgb(5, 30, 35), Marking::None,     none,              false, false, false, 0.92 },
    { "Pallira", rgb(205, 150, 100), Hair::Topknot, rgb(25, 20, 20),  Headgear::None,         none,              rgb(90, 50, 20),   false, Beard::None,    Garb::Robe,   rgb(170, 20, 25),  rgb(240, 190, 60), rgb(220, 170, 60), rgb(60, 35, 5), Marking::WarPaint, rgb(200, 0, 0),    false, false, false, 0.95 },
    { "Tessmar", rgb(160, 130, 95),  Hair::Bald,   none,              Headgear::Hood,         rgb(40, 90, 35),   rgb(255, 235, 40), true,  Beard::None,    Garb::Robe,   rgb(30, 70, 30),   rgb(120, 160, 60), rgb(70, 130, 60), rgb(5, 25, 5),  Marking::None,     none,              false, false, false, 0.95 },
    { "Vorsk",   rgb(140, 160, 125), Hair::Mohawk, rgb(220, 30, 20),  Headgear::None,         none,              rgb(90, 255, 60),  true,  Beard::None,    Garb::Armor,  rgb(95, 100, 110), rgb(60, 60, 70),  rgb(120, 60, 160), rgb(20, 5, 35), Marking::Stitches, rgb(40, 30, 30),   false, false, false, 1.05 },
    { "Ilvessa", rgb(245, 215, 190), Hair::Braids, rgb(240, 200, 90), Headgear::None,         none,              rgb(40, 110, 230), false, Beard::None,    Garb::Fur,    rgb(40, 80, 170),  rgb(240, 240, 240), rgb(170, 210, 250), rgb(30, 60, 110), Marking::None,   none,              false, false, false, 0.9 },
    { "Duvrin",  rgb(225, 160, 130), Hair::Crop,   rgb(210, 100, 30), Headgear::HornedHelmet, rgb(160, 165, 175), rgb(60, 120, 60), false, Beard::Long,    Garb::Armor,  rgb(130, 135, 145), rgb(90, 60, 30),  rgb(110, 120, 140), rgb(20, 25, 35), Marking::None,   none,              false, false, false, 1.1 },
    { "Corvath", rgb(150, 140, 140), Hair::Bald,   none,              Headgear::FullMask,     rgb(25, 25, 30),   rgb(255, 30, 30),  true,  Beard::None,    Garb::Collar, rgb(20, 20, 25),   rgb(150, 0, 0),   rgb(190, 20, 40),  rgb(35, 0, 5),  Marking::None,     none,              false, false, false, 1.0 },
    { "Tamsel",  rgb(150, 95, 55),   Hair::Spiky,  rgb(255, 130, 20), Headgear::Bandana,      rgb(250, 215, 40), rgb(150, 90, 20),  false, Beard::None,    Garb::Bare,   rgb(150, 95, 55),  rgb(250, 215, 40), rgb(255, 150, 40), rgb(80, 25, 0), Marking::None,     none,              false, false, false, 0.97 },
    { "Pelvane", rgb(180, 200, 225), Hair::Long,   rgb(20, 20, 35),   Headgear::None,         none,              rgb(250, 250, 255), true, Beard::None,    Garb::Collar, rgb(90, 30, 120),  rgb(200, 170, 255), rgb(50, 70, 170), rgb(5, 5, 30),  Marking::None,     none,              false, false, false, 0.9 },
    { "Estrin",  rgb(200, 160, 120), Hair::Slick,  rgb(60, 40, 25),   Headgear::LowerMask,    rgb(40, 90, 200),  rgb(150, 150, 160), false, Beard::None,   Garb::Collar, rgb(30, 60, 150),  rgb(150, 190, 255), rgb(110, 130, 150), rgb(20, 25, 40), Marking::None,   none,              false, false, false, 0.98 },
    { "Selvo",   rgb(80, 50, 35),    Hair::Crop,   rgb(240, 240, 240), Headgear::None,        none,              rgb(60, 40, 20),   false, Beard::Goatee,  Garb::Robe,   rgb(230, 120, 20), rgb(120, 40, 10), rgb(150, 110, 70), rgb(35, 20, 10), Marking::None,   none,              false, false, false, 1.0 },
    { "Thulmar", rgb(170, 30, 25),   Hair::Bald,   none,              Headgear::None,         none,              rgb(255, 230, 50), true,  Beard::None,    Garb::Armor,  rgb(35, 30, 35),   rgb(200, 80, 0),  rgb(255, 120, 20), rgb(70, 10, 0), Marking::Tattoo,   rgb(40, 0, 0),     false, true,  true,  1.08 },
    { "Roskar",  rgb(230, 185, 150), Hair::Crop,   rgb(110, 70, 35),  Headgear::Helmet,       rgb(200, 140, 60), rgb(70, 140, 220), false, Beard::Full,    Garb::Armor,  rgb(180, 120, 50), rgb(110, 70, 20), rgb(130, 140, 60), rgb(25, 30, 5), Marking::None,   none,              false, false, false, 1.05 },
    { "Drasque", rgb(95, 150, 70),   Hair::Bald,   none,              Headgear::None,         none,              rgb(255, 150, 0),  true,  Beard::None,    Garb::Fur,    rgb(100, 70, 40),  rgb(170, 140, 100), rgb(170, 170, 40), rgb(25, 35, 5), Marking::Tattoo,  rgb(30, 70, 20),   false, true,  true,  0.95 },
    { "Wenlo",   rgb(240, 200, 170), Hair::Crop,   rgb(120, 60, 30),  Headgear::LowerMask,    rgb(190, 20, 40),  rgb(100, 70, 40),  false, Beard::None,    Garb::Collar, rgb(150, 20, 40),  rgb(250, 210, 90), rgb(230, 90, 170), rgb(50, 5, 35), Marking::Freckles, rgb(170, 100, 70), false, false, false, 0.94 },
    { "Skelvin", rgb(225, 220, 195), Hair::Bald,   none,              Headgear::Hood,         rgb(30, 30, 35),   rgb(60, 255, 255), true,  Beard::None,    Garb::Robe,   rgb(25, 25, 30),   rgb(90, 90, 100), rgb(40, 170, 170), rgb(0, 20, 25), Marking::Stitches, rgb(60, 50, 40),   false, false, false, 0.9 },
    { "Nocthar", rgb(110, 70, 130),  Hair::Long,   rgb(200, 200, 215), Headgear::Crown,       rgb(70, 60, 90),   rgb(220, 120, 255), true, Beard::None,    Garb::Collar, rgb(20, 15, 30),   rgb(150, 90, 200), rgb(130, 50, 200), rgb(20, 0, 35), Marking::None,    none,              false, false, true,  0.95 },
    { "Quenth",  rgb(220, 180, 110), Hair::Bald,   none,              Headgear::None,         none,              rgb(80, 180, 255), true,  Beard::None,    Garb::Robe,   rgb(250, 170, 30), rgb(170, 60, 10), rgb(110, 180, 240), rgb(10, 40, 80), Marking::Tattoo,  rgb(30, 90, 200),  false, false, false, 0.98 },
    { "Zavrek",  rgb(200, 140, 90),  Hair::Mohawk, rgb(40, 110, 255), Headgear::None,         none,              rgb(170, 30, 30),  false, Beard::Stubble, Garb::Armor,  rgb(120, 20, 20),  rgb(200, 200, 200), rgb(200, 210, 80), rgb(40, 45, 0), Marking::None,     none,              true,  false, false, 1.02 },
    { "Brudd",   rgb(60, 40, 30),    Hair::Bald,   rgb(170, 170, 170), Headgear::None,        none,              rgb(200, 160, 60), false, Beard::Full,    Garb::Fur,    rgb(110, 110, 110), rgb(200, 200, 190), rgb(200, 110, 50), rgb(45, 20, 5), Marking::WarPaint, rgb(240, 240, 240), false, false, false, 1.15 },
    { "Brannox", rgb(200, 150, 120), Hair::Crop,   rgb(20, 20, 20),   Headgear::FullMask,     rgb(185, 190, 200), rgb(255, 140, 20), true, Beard::None,    Garb::Armor,  rgb(150, 155, 165), rgb(80, 40, 20),  rgb(170, 80, 40),  rgb(40, 10, 0), Marking::None,     none,              false, false, false, 1.05 },
    { "Grellix", rgb(170, 200, 60),  Hair::Spiky,  rgb(140, 40, 200), Headgear::None,         none,              rgb(255, 255, 60), true,  Beard::None,    Garb::Collar, rgb(40, 110, 40),  rgb(200, 200, 60), rgb(220, 40, 150), rgb(40, 0, 25), Marking::None,     none,              false, true,  true,  0.9 },
};
// clang-format on

constexpr double kCx = 33.5; // head centre
constexpr double kCy = 27;
constexpr double kRy = 14.5;

void headPath(cairo_t* cr, double rx) {
    // Egg shape: round skull, narrower jaw.
    cairo_move_to(cr, kCx, kCy - kRy);
    cairo_curve_to(cr, kCx + rx * 1.05, kCy - kRy, kCx + rx * 1.05, kCy + 2, kCx + rx * 0.85, kCy + 8);
    cairo_curve_to(cr, kCx + rx * 0.6, kCy + kRy, kCx + 3, kCy + kRy + 1.5, kCx, kCy + kRy + 1.5);
    cairo_curve_to(cr, kCx - 3, kCy + kRy + 1.5, kCx - rx * 0.6, kCy + kRy, kCx - rx * 0.85, kCy + 8);
    cairo_curve_to(cr, kCx - rx * 1.05, kCy + 2, kCx - rx * 1.05, kCy - kRy, kCx, kCy - kRy);
    cairo_close_path(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

// Top-lit shading used on cloth, metal and hair.
void shade(Canvas& c, const Color& base, double y0, double y1, double gloss = 1.3) {
    c.setLinear(0, y0, 0, y1, { { 0, scale(base, gloss) }, { 0.6, base }, { 1, scale(base, 0.5) } });
}

void background(Canvas& c, const Look& l, int index) {
    c.stone({ 0, 0, 67, 61 }, l.bgOuter, 0xF16u + index * 7919u, 0.5, 2);
    c.setRadial(kCx, 24, 2, 40,
                { { 0, mix(l.bgInner, rgb(255, 255, 255), 0.15) },
                  { 0.55, Color { l.bgInner.r, l.bgInner.g, l.bgInner.b, 0.75 } },
                  { 1, Color { l.bgInner.r, l.bgInner.g, l.bgInner.b, 0 } } });
    cairo_paint(c.cr());
}

void body(Canvas& c, const Look& l) {
    cairo_t* cr = c.cr();
    const double w = l.faceWidth;
    // Neck.
    cairo_rectangle(cr, kCx - 6 * w, 36, 12 * w, 14);
    c.setLinear(0, 36, 0, 50, { { 0, scale(l.skin, 0.55) }, { 1, scale(l.skin, 0.85) } });
    cairo_fill(cr);
    // Shoulders.
    auto torso = [&] {
        cairo_move_to(cr, -2, 62);
        cairo_line_to(cr, -2, 53);
        cairo_curve_to(cr, 4, 46, 16, 45, kCx - 8 * w, 45);
        cairo_line_to(cr, kCx + 8 * w, 45);
        cairo_curve_to(cr, 51, 45, 63, 46, 69, 53);
        cairo_line_to(cr, 69, 62);
        cairo_close_path(cr);
    };
    torso();
    shade(c, l.garbColor, 44, 61);
    cairo_fill(cr);
    switch (l.garb) {
    case Garb::Armor:
        for (int side : { -1, 1 }) {
            ellipse(cr, kCx + side * 25, 53, 13, 9);
            c.setRadial(
                kCx + side * 25 - 4, 49, 1, 14,
                { { 0, scale(l.garbColor, 1.9) }, { 0.5, l.garbColor }, { 1, scale(l.garbColor, 0.35) } });
            cairo_fill_preserve(cr);
            c.setColor(l.trim);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
            for (int k = 0; k < 3; ++k) {
                cairo_arc(cr, kCx + side * (17 + k * 6), 49 + k * 0.5, 0.9, 0, 2 * kPi);
                c.setColor(rgb(230, 230, 230));
                cairo_fill(cr);
            }
        }
        cairo_rectangle(cr, kCx - 9, 47, 18, 14);
        shade(c, scale(l.garbColor, 0.8), 47, 61);
        cairo_fill(cr);
        break;
    case Garb::Robe:
        // V neckline with trim.
        cairo_move_to(cr, kCx - 11, 45);
        cairo_line_to(cr, kCx, 60);
        cairo_line_to(cr, kCx + 11, 45);
        c.setColor(l.trim);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_move_to(cr, kCx - 8, 45);
        cairo_line_to(cr, kCx, 56);
        cairo_line_to(cr, kCx + 8, 45);
        cairo_close_path(cr);
        c.setColor(scale(l.skin, 0.7));
        cairo_fill(cr);
        break;
    case Garb::Bare:
        // Chest and shoulder muscles, a leather strap.
        for (int side : { -1, 1 }) {
            ellipse(cr, kCx + side * 9, 55, 9, 5);
            c.setColor(scale(l.skin, 0.75));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
        cairo_move_to(cr, 12, 46);
        cairo_line_to(cr, 52, 62);
        c.setColor(l.trim);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        break;
    case Garb::Collar:
        for (int side : { -1, 1 }) {
            cairo_move_to(cr, kCx + side * 7, 48);
            cairo_line_to(cr, kCx + side * 17, 31);
            cairo_line_to(cr, kCx + side * 20, 49);
            cairo_close_path(cr);
            shade(c, scale(l.garbColor, 1.4), 31, 49);
            cairo_fill_preserve(cr);
            c.setColor(l.trim);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
        cairo_move_to(cr, kCx, 48);
        cairo_line_to(cr, kCx, 61);
        c.setColor(l.trim);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        break;
    case Garb::Fur:
        // Ruff of fur across the shoulders.
        cairo_move_to(cr, -2, 52);
        for (int k = 0; k <= 14; ++k) {
            const double x = -2 + k * 5;
            const double y = 46 + std::abs(kCx - x) * 0.17;
            cairo_line_to(cr, x + 2.5, y - 3);
            cairo_line_to(cr, x + 5, y + 1);
        }
        cairo_line_to(cr, 69, 58);
        for (int k = 14; k >= 0; --k) cairo_line_to(cr, -2 + k * 5, 56 + (k % 2) * 2);
        cairo_close_path(cr);
        shade(c, l.trim, 43, 58, 1.15);
        cairo_fill(cr);
        break;
    }
}

void hood(Canvas& c, const Look& l, bool front) {
    cairo_t* cr = c.cr();
    auto outer = [&] {
        cairo_move_to(cr, 6, 62);
        cairo_curve_to(cr, 6, 30, 12, 6, kCx, 6);
        cairo_curve_to(cr, 55, 6, 61, 30, 61, 62);
        cairo_close_path(cr);
    };
    if (!front) {
        outer();
        shade(c, l.gearColor, 6, 62, 1.6);
        cairo_fill(cr);
        return;
    }
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    outer();
    ellipse(cr, kCx, 30, 11.5 * l.faceWidth, 15);
    shade(c, l.gearColor, 6, 62, 1.6);
    cairo_fill(cr);
    cairo_restore(cr);
    // Shadow the brow under the hood.
    ellipse(cr, kCx, 30, 11.5 * l.faceWidth, 15);
    c.setLinear(0, 15, 0, 30, { { 0, rgb(0, 0, 0, 0.85) }, { 1, rgb(0, 0, 0, 0) } });
    cairo_fill(cr);
}

void hairBack(Canvas& c, const Look& l) {
    cairo_t* cr = c.cr();
    const double rx = 12.5 * l.faceWidth;
    if (l.hair == Hair::Long) {
        cairo_move_to(cr, kCx - rx - 3, 52);
        cairo_curve_to(cr, kCx - rx - 5, 20, kCx - rx, kCy - kRy - 3, kCx, kCy - kRy - 3);
        cairo_curve_to(cr, kCx + rx, kCy - kRy - 3, kCx + rx + 5, 20, kCx + rx + 3, 52);
        cairo_close_path(cr);
        shade(c, l.hairColor, 10, 52, 1.15);
        cairo_fill(cr);
    } else if (l.hair == Hair::Braids) {
        for (int side : { -1, 1 })
            for (int k = 0; k < 5; ++k) {
                ellipse(cr, kCx + side * (rx + 1), 30 + k * 5, 3.2, 3);
                shade(c, l.hairColor, 28 + k * 5, 33 + k * 5, 1.3);
                cairo_fill(cr);
            }
    }
}

void hairFront(Canvas& c, const Look& l) {
    cairo_t* cr = c.cr();
    const double rx = 12.5 * l.faceWidth;
    const double top = kCy - kRy;
    auto cap = [&](double brow) {
        cairo_move_to(cr, kCx - rx - 0.5, brow + 4);
        cairo_curve_to(cr, kCx - rx - 1.5, top - 3, kCx + rx + 1.5, top - 3, kCx + rx + 0.5, brow + 4);
        cairo_curve_to(cr, kCx + rx - 3, brow - 2, kCx - rx + 3, brow - 2, kCx - rx - 0.5, brow + 4);
        cairo_close_path(cr);
        shade(c, l.hairColor, top - 3, brow + 4, 1.35);
        cairo_fill(cr);
    };
    switch (l.hair) {
    case Hair::Bald:
        ellipse(cr, kCx - 4, top + 4, 4, 2);
        c.setColor(rgb(255, 255, 255, 0.3));
        cairo_fill(cr);
        break;
    case Hair::Crop:
    case Hair::Long:
    case Hair::Braids:
        cap(19);
        break;
    case Hair::Slick:
        cap(18);
        cairo_move_to(cr, kCx - 6, top + 1);
        cairo_curve_to(cr, kCx, top - 1, kCx + 6, top + 1, kCx + 9, top + 5);
        c.setColor(rgb(255, 255, 255, 0.35));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        break;
    case Hair::Mohawk:
        for (int k = 0; k < 7; ++k) {
            const double a = kPi * (0.2 + 0.6 * k / 6.0);
            const double bx = kCx - std::cos(a) * rx * 0.9, by = kCy - std::sin(a) * kRy * 0.95;
            const double tx = kCx - std::cos(a) * (rx + 9), ty = kCy - std::sin(a) * (kRy + 9);
            cairo_move_to(cr, bx - 2.6, by + 1);
            cairo_line_to(cr, tx, ty);
            cairo_line_to(cr, bx + 2.6, by + 1);
            cairo_close_path(cr);
        }
        shade(c, l.hairColor, 0, kCy - 6, 1.5);
        cairo_fill(cr);
        break;
    case Hair::Spiky:
        cap(19);
        for (int k = 0; k < 9; ++k) {
            const double a = kPi * (0.05 + 0.9 * k / 8.0);
            const double bx = kCx - std::cos(a) * rx, by = kCy - 4 - std::sin(a) * kRy * 0.8;
            const double tx = kCx - std::cos(a) * (rx + 8), ty = kCy - 4 - std::sin(a) * (kRy + 6);
            cairo_move_to(cr, bx - 3, by + 2);
            cairo_line_to(cr, tx, ty);
            cairo_line_to(cr, bx + 3, by + 2);
            cairo_close_path(cr);
        }
        shade(c, l.hairColor, 0, kCy, 1.4);
        cairo_fill(cr);
        break;
    case Hair::Topknot:
        cap(18);
        ellipse(cr, kCx, top - 4, 5, 4);
        shade(c, l.hairColor, top - 8, top, 1.6);
        cairo_fill(cr);
        cairo_rectangle(cr, kCx - 3, top - 1.5, 6, 2);
        c.setColor(rgb(230, 190, 60));
        cairo_fill(cr);
        break;
    }
}

void horns(Canvas& c, const Look& l) {
    cairo_t* cr = c.cr();
    const double rx = 12.5 * l.faceWidth;
    for (int side : { -1, 1 }) {
        const double bx = kCx + side * (rx - 3);
        cairo_move_to(cr, bx - side * 3, 17);
        cairo_curve_to(cr, bx + side * 6, 12, bx + side * 9, 6, bx + side * 7, 0);
        cairo_curve_to(cr, bx + side * 13, 6, bx + side * 10, 16, bx + side * 2, 22);
        cairo_close_path(cr);
        c.setLinear(bx, 0, bx, 22,
                    { { 0, rgb(250, 240, 210) }, { 0.6, rgb(190, 170, 130) }, { 1, rgb(90, 70, 50) } });
        cairo_fill(cr);
    }
}

void face(Canvas& c, const Look& l) {
    cairo_t* cr = c.cr();
    const double rx = 12.5 * l.faceWidth;
    // Ears.
    for (int side : { -1, 1 }) {
        if (l.pointedEars) {
            cairo_move_to(cr, kCx + side * (rx - 1), 24);
            cairo_line_to(cr, kCx + side * (rx + 8), 17);
            cairo_line_to(cr, kCx + side * (rx - 1), 33);
            cairo_close_path(cr);
        } else {
            ellipse(cr, kCx + side * rx, 29, 2.5, 4);
        }
        c.setColor(scale(l.skin, 0.8));
        cairo_fill(cr);
    }
    headPath(cr, rx);
    c.setRadial(kCx - 4, kCy - 5, 1, 20,
                { { 0, scale(l.skin, 1.25) }, { 0.6, l.skin }, { 1, scale(l.skin, 0.55) } });
    cairo_fill(cr);

    // Markings sit under the features.
    switch (l.marking) {
    case Marking::WarPaint:
        for (int side : { -1, 1 }) {
            for (int k = 0; k < 2; ++k) {
                cairo_move_to(cr, kCx + side * 3, 30.5 + k * 2.5);
                cairo_line_to(cr, kCx + side * 10, 31.5 + k * 2.5);
            }
        }
        c.setColor(l.markColor);
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
        break;
    case Marking::Tattoo:
        cairo_move_to(cr, kCx, 13);
        cairo_line_to(cr, kCx, 20);
        cairo_move_to(cr, kCx - 5, 15);
        cairo_line_to(cr, kCx, 20);
        cairo_line_to(cr, kCx + 5, 15);
        cairo_move_to(cr, kCx + 6, 30);
        cairo_curve_to(cr, kCx + 10, 32, kCx + 9, 36, kCx + 6, 38);
        c.setColor(l.markColor);
        cairo_set_line_width(cr, 1.1);
        cairo_stroke(cr);
        break;
    case Marking::Stitches:
        cairo_move_to(cr, kCx - 11, 20);
        cairo_line_to(cr, kCx + 2, 16);
        for (int k = 0; k < 5; ++k) {
            const double x = kCx - 10 + k * 3, y = 19.7 - k * 0.9;
            cairo_move_to(cr, x, y - 1.5);
            cairo_line_to(cr, x + 0.5, y + 1.5);
        }
        c.setColor(l.markColor);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        break;
    case Marking::Freckles:
        c.setColor(l.markColor);
        for (double fx : { -7.0, -5.0, -6.0, 5.0, 7.0, 6.0 }) {
            cairo_arc(cr, kCx + fx, 32 + std::abs(fx) * 0.2 - (fx == -6.0 || fx == 6.0 ? 1.5 : 0), 0.5, 0,
                      2 * kPi);
            cairo_fill(cr);
        }
        break;
    case Marking::None:
        break;
    }

    // Nose and mouth.
    cairo_move_to(cr, kCx + 0.5, 26);
    cairo_curve_to(cr, kCx + 2.5, 30, kCx + 2.5, 32, kCx + 0.5, 33);
    cairo_line_to(cr, kCx - 2, 33);
    c.setColor(scale(l.skin, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, kCx - 4, 37.5);
    cairo_curve_to(cr, kCx - 1, 36.5, kCx + 1, 36.5, kCx + 4, 37.8);
    c.setColor(scale(l.skin, 0.4));
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);

    // Beard.
    switch (l.beard) {
    case Beard::Stubble:
        headPath(cr, rx);
        c.setLinear(0, 30, 0, 42,
                    { { 0, Color { 0, 0, 0, 0 } },
                      { 0.3, Color { 0, 0, 0, 0.25 } },
                      { 1, Color { 0, 0, 0, 0.35 } } });
        cairo_fill(cr);
        break;
    case Beard::Goatee:
        cairo_move_to(cr, kCx - 4, 36);
        cairo_curve_to(cr, kCx - 1, 35, kCx + 1, 35, kCx + 4, 36);
        cairo_line_to(cr, kCx + 3, 45);
        cairo_line_to(cr, kCx, 47);
        cairo_line_to(cr, kCx - 3, 45);
        cairo_close_path(cr);
        shade(c, l.hairColor, 35, 47, 1.1);
        cairo_fill(cr);
        break;
    case Beard::Full:
    case Beard::Long: {
        const double end = l.beard == Beard::Long ? 57 : 47;
        cairo_move_to(cr, kCx - rx, 26);
        cairo_curve_to(cr, kCx - rx, 38, kCx - 8, end, kCx, end);
        cairo_curve_to(cr, kCx + 8, end, kCx + rx, 38, kCx + rx, 26);
        cairo_line_to(cr, kCx + rx - 2, 30);
        cairo_curve_to(cr, kCx + 5, 33, kCx - 5, 33, kCx - rx + 2, 30);
        cairo_close_path(cr);
        shade(c, l.hairColor, 26, end, 1.15);
        cairo_fill(cr);
        // Mouth opening in the beard.
        ellipse(cr, kCx, 37.5, 3.5, 1.2);
        c.setColor(rgb(20, 5, 5));
        cairo_fill(cr);
        break;
    }
    case Beard::None:
        break;
    }
}

void mask(Canvas& c, const Look& l) {
    cairo_t* cr = c.cr();
    const double rx = 12.5 * l.faceWidth;
    if (l.headgear == Headgear::LowerMask) {
        cairo_save(cr);
        headPath(cr, rx + 0.5);
        cairo_clip(cr);
        cairo_move_to(cr, 0, 30);
        cairo_curve_to(cr, 20, 28, 47, 28, 67, 30);
        cairo_line_to(cr, 67, 61);
        cairo_line_to(cr, 0, 61);
        cairo_close_path(cr);
        shade(c, l.gearColor, 28, 44, 1.3);
        cairo_fill(cr);
        cairo_restore(cr);
        for (int k = 0; k < 3; ++k) {
            cairo_move_to(cr, kCx - 8, 35 + k * 3);
            cairo_line_to(cr, kCx + 8, 35 + k * 3);
        }
        c.setColor(scale(l.gearColor, 0.6));
        cairo_set_line_width(cr, 0.7);
        cairo_stroke(cr);
    } else if (l.headgear == Headgear::FullMask) {
        headPath(cr, rx + 0.6);
        c.setRadial(kCx - 4, kCy - 6, 1, 22,
                    { { 0, scale(l.gearColor, 1.5) }, { 0.6, l.gearColor }, { 1, scale(l.gearColor, 0.4) } });
        cairo_fill(cr);
        // Eye slits and a breathing grille.
        for (int side : { -1, 1 }) {
            cairo_move_to(cr, kCx + side * 1.5, 25);
            cairo_line_to(cr, kCx + side * 10, 23);
            cairo_line_to(cr, kCx + side * 9, 28);
            cairo_line_to(cr, kCx + side * 2, 28);
            cairo_close_path(cr);
        }
        c.setColor(rgb(0, 0, 0));
        cairo_fill(cr);
        for (int k = -2; k <= 2; ++k) {
            cairo_move_to(cr, kCx + k * 2.4, 34);
            cairo_line_to(cr, kCx + k * 2.0, 39);
        }
        c.setColor(scale(l.gearColor, 0.3));
        cairo_set_line_width(cr, 0.9);
        cairo_stroke(cr);
    }
}

void headgear(Canvas& c, const Look& l) {
    cairo_t* cr = c.cr();
    const double rx = 12.5 * l.faceWidth;
    const double top = kCy - kRy;
    switch (l.headgear) {
    case Headgear::Helmet:
    case Headgear::HornedHelmet:
        if (l.headgear == Headgear::HornedHelmet)
            for (int side : { -1, 1 }) {
                const double bx = kCx + side * (rx + 1);
                cairo_move_to(cr, bx - side * 2, 18);
                cairo_curve_to(cr, bx + side * 10, 16, bx + side * 12, 8, bx + side * 9, 0);
                cairo_curve_to(cr, bx + side * 17, 8, bx + side * 14, 22, bx + side * 1, 24);
                cairo_close_path(cr);
                c.setLinear(bx, 0, bx, 24, { { 0, rgb(250, 245, 225) }, { 1, rgb(150, 130, 95) } });
                cairo_fill(cr);
            }
        cairo_move_to(cr, kCx - rx - 2, 36);
        cairo_line_to(cr, kCx - rx - 2, 20);
        cairo_curve_to(cr, kCx - rx - 2, top - 4, kCx + rx + 2, top - 4, kCx + rx + 2, 20);
        cairo_line_to(cr, kCx + rx + 2, 36);
        cairo_line_to(cr, kCx + rx - 3, 34);
        cairo_line_to(cr, kCx + rx - 3, 23);
        cairo_line_to(cr, kCx + 2, 22);
        cairo_line_to(cr, kCx + 2, 31);
        cairo_line_to(cr, kCx - 2, 31);
        cairo_line_to(cr, kCx - 2, 22);
        cairo_line_to(cr, kCx - rx + 3, 23);
        cairo_line_to(cr, kCx - rx + 3, 34);
        cairo_close_path(cr);
        c.setLinear(kCx - rx, 0, kCx + rx, 0,
                    { { 0, scale(l.gearColor, 0.5) },
                      { 0.35, scale(l.gearColor, 1.5) },
                      { 0.6, l.gearColor },
                      { 1, scale(l.gearColor, 0.4) } });
        cairo_fill_preserve(cr);
        c.setColor(scale(l.gearColor, 0.3));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        // Rivet band.
        for (int k = -3; k <= 3; ++k) {
            cairo_arc(cr, kCx + k * 3.5, 20.5 - (k == 0 ? 0 : 0.1 * k * k), 0.7, 0, 2 * kPi);
            c.setColor(scale(l.gearColor, 1.8));
            cairo_fill(cr);
        }
        break;
    case Headgear::Bandana:
        cairo_move_to(cr, kCx - rx - 1, 21);
        cairo_curve_to(cr, kCx - 5, 16, kCx + 5, 16, kCx + rx + 1, 21);
        cairo_line_to(cr, kCx + rx + 1, 25);
        cairo_curve_to(cr, kCx + 5, 20, kCx - 5, 20, kCx - rx - 1, 25);
        cairo_close_path(cr);
        // Knot tails flying off to the right.
        cairo_move_to(cr, kCx + rx, 21);
        cairo_line_to(cr, kCx + rx + 12, 16);
        cairo_line_to(cr, kCx + rx + 10, 21);
        cairo_line_to(cr, kCx + rx + 13, 26);
        cairo_line_to(cr, kCx + rx, 25);
        cairo_close_path(cr);
        shade(c, l.gearColor, 16, 26, 1.2);
        cairo_fill(cr);
        break;
    case Headgear::Crown:
        cairo_move_to(cr, kCx - rx, 17);
        for (int k = 0; k <= 4; ++k) {
            const double x = kCx - rx + k * (2 * rx / 4);
            cairo_line_to(cr, x, k % 2 == 0 ? 4 : 9);
            if (k < 4) cairo_line_to(cr, x + rx / 4, 13);
        }
        cairo_line_to(cr, kCx + rx, 17);
        cairo_close_path(cr);
        c.setLinear(0, 4, 0, 17,
                    { { 0, scale(l.gearColor, 2.2) }, { 0.5, l.gearColor }, { 1, scale(l.gearColor, 0.5) } });
        cairo_fill(cr);
        cairo_arc(cr, kCx, 13.5, 1.5, 0, 2 * kPi);
        c.setColor(l.eyes);
        cairo_fill(cr);
        break;
    case Headgear::Hood:
        hood(c, l, true);
        break;
    default:
        break;
    }
}

void eyes(Canvas& c, const Look& l) {
    cairo_t* cr = c.cr();
    const bool masked = l.headgear == Headgear::FullMask;
    const double ey = masked ? 26 : 27;
    if (!masked) {
        // Sockets and frowning brows.
        for (int side : { -1, 1 }) {
            ellipse(cr, kCx + side * 5, ey, 3.6, 2.4);
            c.setColor(Color { 0, 0, 0, 0.35 });
            cairo_fill(cr);
            cairo_move_to(cr, kCx + side * 1.5, ey - 2.2);
            cairo_line_to(cr, kCx + side * 9, ey - 4.2);
        }
        const Color brow =
            l.hair == Hair::Bald && l.beard == Beard::None ? scale(l.skin, 0.45) : scale(l.hairColor, 0.8);
        c.setColor(brow);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    if (l.eyeGlow) {
        c.glow(
            [&](cairo_t* m) {
                ellipse(m, kCx - 5, ey, 2.6, 1.3);
                ellipse(m, kCx + 5, ey, 2.6, 1.3);
                cairo_fill(m);
            },
            l.eyes, 2, 2.2);
        for (int side : { -1, 1 }) {
            ellipse(cr, kCx + side * 5, ey, 2.4, 1.1);
            c.setColor(mix(l.eyes, rgb(255, 255, 255), 0.55));
            cairo_fill(cr);
        }
    } else {
        for (int side : { -1, 1 }) {
            ellipse(cr, kCx + side * 5, ey, 2.5, 1.2);
            c.setColor(rgb(235, 230, 220));
            cairo_fill(cr);
            cairo_arc(cr, kCx + side * 5 - side * 0.5, ey, 1.1, 0, 2 * kPi);
            c.setColor(l.eyes);
            cairo_fill(cr);
            cairo_arc(cr, kCx + side * 5 - side * 0.5, ey, 0.45, 0, 2 * kPi);
            c.setColor(rgb(0, 0, 0));
            cairo_fill(cr);
        }
    }
}

void scar(Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_move_to(cr, kCx + 2, 20);
    cairo_line_to(cr, kCx + 10, 34);
    c.setColor(rgb(120, 20, 20, 0.9));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_move_to(cr, kCx + 2.5, 20);
    cairo_line_to(cr, kCx + 10.5, 34);
    c.setColor(rgb(255, 180, 170, 0.6));
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
}

} // namespace

int fighterCount() {
    return static_cast<int>(kLooks.size());
}
std::string fighterName(int index) {
    return kLooks.at(index).name;
}

Image drawPortrait(int index) {
    const Look& l = kLooks.at(index);
    Canvas c(kPortraitWidth, kPortraitHeight);
    c.fill(rgb(0, 0, 0));
    background(c, l, index);
    if (l.headgear == Headgear::Hood)
        hood(c, l, false);
    else
        hairBack(c, l);
    body(c, l);
    if (l.horns && l.headgear != Headgear::HornedHelmet) horns(c, l);
    face(c, l);
    mask(c, l);
    if (l.headgear != Headgear::Hood && l.headgear != Headgear::Helmet &&
        l.headgear != Headgear::HornedHelmet && l.headgear != Headgear::FullMask)
        hairFront(c, l);
    if (l.scar) scar(c);
    headgear(c, l);
    eyes(c, l);
    // Vignette pulls the eye to the face.
    c.setRadial(kCx, 28, 24, 46, { { 0, Color { 0, 0, 0, 0 } }, { 1, Color { 0, 0, 0, 0.55 } } });
    cairo_paint(c.cr());
    return c.toImage();
}

} // namespace artgen
