// Loading notice and fighter-selection screen artwork.

#include "assets.h"
#include "canvas.h"
#include "icon.h"
#include "portraits.h"
#include "quantize.h"
#include "rng.h"
#include "style.h"

#include <cmath>

namespace artgen {
namespace {

constexpr Color stoneSlate = rgb(78, 86, 128);

IndexedImage toGif(const Image& img) {
    return quantize(flattenOnBlack(img), { 256, {} });
}

IndexedImage loading() {
    Canvas c(465, 60);
    c.fill(style::black);
    const Rect box { 10, 8, 445, 44 };
    const std::string text = "Loading...Please Wait";
    // Stroking with round joins softens the geometric letters into rounded ones.
    auto rounded = [&](cairo_t* m, double grow) {
        cairo_save(c.cr());
        cairo_new_path(c.cr());
        c.textPath(fonts::spartanBold, 40, text, box);
        cairo_path_t* p = cairo_copy_path(c.cr());
        cairo_new_path(c.cr());
        cairo_restore(c.cr());
        cairo_append_path(m, p);
        cairo_path_destroy(p);
        cairo_set_line_join(m, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(m, grow);
        cairo_fill_preserve(m);
        cairo_stroke(m);
    };
    c.glow([&](cairo_t* m) { rounded(m, 3); }, rgb(255, 50, 0), 6, 1.6);
    c.glow([&](cairo_t* m) { rounded(m, 2); }, rgb(255, 120, 20), 2, 1.2);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    rounded(cr, 0.01);
    cairo_new_path(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_new_path(cr);
    c.textPath(fonts::spartanBold, 40, text, box);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    c.setLinear(0, 14, 0, 46,
                { { 0, rgb(255, 250, 215) }, { 0.5, rgb(255, 205, 120) }, { 1, rgb(255, 120, 40) } });
    cairo_set_line_width(cr, 2);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
    return toGif(c.toImage());
}

// Both pictures of a tile share this palette so the highlight's inside matches
// the plain portrait exactly.
const std::vector<Rgb8> kRingReds { { 255, 0, 0 }, { 191, 0, 0 }, { 127, 0, 0 } };

IndexedImage portraitGif(int fighter, bool highlighted) {
    IndexedImage img = quantize(flattenOnBlack(drawPortrait(fighter)), { 256, kRingReds });
    if (!highlighted) return img;
    for (int ring = 0; ring < 3; ++ring) {
        const uint8_t idx = paletteIndexOf(img, kRingReds[ring]);
        const int x0 = ring, y0 = ring, x1 = img.width - 1 - ring, y1 = img.height - 1 - ring;
        for (int x = x0; x <= x1; ++x) img.at(x, y0) = img.at(x, y1) = idx;
        for (int y = y0; y <= y1; ++y) img.at(x0, y) = img.at(x1, y) = idx;
    }
    return img;
}

// Jagged copy of the current path: each flattened segment is broken into
// short steps nudged sideways by a seeded generator. Clears the current path.
cairo_path_t* jaggedPath(cairo_t* cr, uint64_t seed) {
    cairo_path_t* path = cairo_copy_path_flat(cr);
    cairo_new_path(cr);
    Rng rng(seed);
    double px = 0, py = 0, sx = 0, sy = 0;
    auto segment = [&](double x, double y) {
        const double len = std::hypot(x - px, y - py);
        const int steps = std::max(1, static_cast<int>(len / 2.5));
        for (int s = 1; s <= steps; ++s) {
            const double t = static_cast<double>(s) / steps;
            const double jx = s == steps ? 0 : rng.uniform(-1.3, 1.3),
                         jy = s == steps ? 0 : rng.uniform(-1.3, 1.3);
            cairo_line_to(cr, px + (x - px) * t + jx, py + (y - py) * t + jy);
        }
        px = x;
        py = y;
    };
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        const cairo_path_data_t& d = path->data[i];
        switch (d.header.type) {
        case CAIRO_PATH_MOVE_TO:
            px = sx = path->data[i + 1].point.x;
            py = sy = path->data[i + 1].point.y;
            cairo_move_to(cr, px, py);
            break;
        case CAIRO_PATH_LINE_TO:
            segment(path->data[i + 1].point.x, path->data[i + 1].point.y);
            break;
        case CAIRO_PATH_CLOSE_PATH:
            segment(sx, sy);
            cairo_close_path(cr);
            break;
        default:
            break;
        }
    }
    cairo_path_destroy(path);
    cairo_path_t* jagged = cairo_copy_path(cr);
    cairo_new_path(cr);
    return jagged;
}

IndexedImage blankTile(const std::string& letter, uint64_t seed) {
    Canvas c(kPortraitWidth, kPortraitHeight);
    c.stone({ 0, 0, 67, 61 }, rgb(48, 54, 70), seed, 0.3, 3);
    c.setRadial(33.5, 30, 3, 40, { { 0, rgb(80, 100, 140, 0.8) }, { 1, rgb(10, 12, 20, 0.6) } });
    cairo_paint(c.cr());
    const Rect box { 12, 7, 43, 47 };
    cairo_t* cr = c.cr();
    c.glowText(fonts::spartanBlack, 52, letter, box, HAlign::Center, rgb(0, 0, 0, 0), rgb(120, 180, 255), 5,
               1.3);
    cairo_new_path(cr);
    c.textPath(fonts::spartanBlack, 52, letter, box);
    cairo_path_t* spark = jaggedPath(cr, seed * 3 + 1);
    const Color electric = rgb(40, 160, 255);
    c.glow([&](cairo_t* m) { cairo_append_path(m, spark), cairo_set_line_width(m, 2.5), cairo_stroke(m); },
           electric, 1, 1.8);
    c.textPath(fonts::spartanBlack, 52, letter, box);
    c.setLinear(0, 7, 0, 54, { { 0, rgb(255, 255, 255) }, { 1, rgb(215, 228, 255) } });
    cairo_fill(cr);
    // The crackling edge goes on top so it stays visible against the white.
    cairo_append_path(cr, spark);
    c.setColor(mix(electric, rgb(255, 255, 255), 0.3));
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    cairo_path_destroy(spark);
    return toGif(c.toImage());
}

// Stone bar with a raised bevel; the base for all the frame pieces.
void stoneBar(Canvas& c, uint64_t seed, int cracks) {
    const Rect all { 0, 0, static_cast<double>(c.width()), static_cast<double>(c.height()) };
    c.stone(all, stoneSlate, seed, 0.4, cracks);
    const double depth = std::min(all.w, all.h) >= 8 ? 2 : 1;
    c.bevel(all, depth, rgb(200, 210, 255, 0.55), rgb(0, 0, 20, 0.6));
}

IndexedImage topBar() {
    Canvas c(400, 24);
    stoneBar(c, 0x70Bull, 5);
    cairo_t* cr = c.cr();
    const Rect title { 40, 4, 296, 16 };
    c.glowText(fonts::spartanBlack, 16, "SELECT YOUR FIGHTER", title, HAlign::Center, rgb(0, 0, 0, 0),
               rgb(0, 0, 30), 2, 2.0);
    c.metallicText(fonts::spartanBlack, 16, "SELECT YOUR FIGHTER", title, HAlign::Center, style::steelBlue,
                   rgb(5, 10, 40), 0.7);
    // Close button inside x 376..399.
    const Rect button { 378, 2, 20, 20 };
    c.roundedRectPath(button, 3);
    c.setLinear(0, 2, 0, 22, { { 0, rgb(60, 10, 10) }, { 1, rgb(20, 0, 0) } });
    cairo_fill(cr);
    c.bevel(button, 1, rgb(255, 120, 120, 0.5), rgb(0, 0, 0, 0.7));
    c.glow(
        [&](cairo_t* m) {
            cairo_move_to(m, 382.5, 6.5), cairo_line_to(m, 393.5, 17.5), cairo_move_to(m, 393.5, 6.5),
                cairo_line_to(m, 382.5, 17.5);
            cairo_set_line_width(m, 3), cairo_stroke(m);
        },
        rgb(255, 40, 0), 2, 1.5);
    cairo_move_to(cr, 382.5, 6.5);
    cairo_line_to(cr, 393.5, 17.5);
    cairo_move_to(cr, 393.5, 6.5);
    cairo_line_to(cr, 382.5, 17.5);
    c.setColor(rgb(255, 30, 20));
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    return toGif(c.toImage());
}

IndexedImage bottomBar() {
    Canvas c(400, 20);
    stoneBar(c, 0xB07ull, 4);
    cairo_t* cr = c.cr();
    const char* labels[] = { "RANDOM", "GROUP", "HIDDEN", "WEAPON" };
    for (int i = 0; i < 4; ++i) {
        const Rect plate { 20.0 + i * 97, 2, 80, 16 };
        c.roundedRectPath(plate, 2);
        c.setLinear(0, plate.y, 0, plate.bottom(), { { 0, rgb(40, 30, 20) }, { 1, rgb(12, 8, 4) } });
        cairo_fill(cr);
        c.bevel(plate, 1, rgb(255, 215, 120, 0.7), rgb(60, 30, 0, 0.9));
        const Rect text { plate.x + 5, plate.y + 3, plate.w - 10, plate.h - 6 };
        c.metallicText(fonts::spartanBold, 11, labels[i], text, HAlign::Center, style::gold, rgb(40, 15, 0),
                       0.4);
    }
    return toGif(c.toImage());
}

IndexedImage stonePiece(int w, int h, uint64_t seed) {
    Canvas c(w, h);
    stoneBar(c, seed, std::max(w, h) > 100 ? 4 : 1);
    return toGif(c.toImage());
}

std::vector<IconEntry> discIcon() {
    std::vector<IconEntry> entries;
    for (int size : { 32, 16 }) {
        Canvas c(size, size);
        cairo_t* cr = c.cr();
        const double s = size / 32.0;
        cairo_scale(cr, s, s);
        cairo_arc(cr, 16, 16, 14.5, 0, 2 * 3.14159265358979);
        c.setRadial(13, 12, 1, 16,
                    { { 0, rgb(255, 255, 170) }, { 0.6, rgb(255, 225, 0) }, { 1, rgb(215, 160, 0) } });
        cairo_fill(cr);
        // Grey crescent hugging the lower-right rim.
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_arc(cr, 16, 16, 14.5, 0, 2 * 3.14159265358979);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 13, 13, 12, 0, 2 * 3.14159265358979);
        c.setColor(rgb(128, 128, 128));
        cairo_fill(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        cairo_arc(cr, 16, 16, 14.5, 0.1, 1.5 * 3.14159265358979 - 0.1);
        c.setColor(rgb(70, 70, 75));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        entries.push_back(maskedIcon(c.toImage(), 4));
    }
    return entries;
}

} // namespace

void addSelectionAssets(AssetList& list) {
    list.push_back(gifAsset("MovesLoading_Picture1", 465, 60, loading));
    for (int i = 0; i < fighterCount(); ++i) {
        const std::string base = "Moves001_img" + fighterName(i);
        list.push_back(
            gifAsset(base, kPortraitWidth, kPortraitHeight, [i] { return portraitGif(i, false); }));
        list.push_back(
            gifAsset(base + "S", kPortraitWidth, kPortraitHeight, [i] { return portraitGif(i, true); }));
    }
    list.push_back(gifAsset("Moves001_imgBlank01", 67, 61, [] { return blankTile("G", 0xB1A01ull); }));
    list.push_back(gifAsset("Moves001_imgBlank02", 67, 61, [] { return blankTile("V", 0xB1A02ull); }));
    list.push_back(gifAsset("Moves001_imgTop", 400, 24, topBar));
    list.push_back(gifAsset("Moves001_imgBottom", 400, 20, bottomBar));
    list.push_back(gifAsset("Moves001_imgLeft", 24, 321, [] { return stonePiece(24, 321, 0x1EF7ull); }));
    list.push_back(gifAsset("Moves001_imgRight", 23, 321, [] { return stonePiece(23, 321, 0x5167ull); }));
    list.push_back(gifAsset("Moves001_imgSpacer101", 355, 4, [] { return stonePiece(355, 4, 0x5101ull); }));
    list.push_back(gifAsset("Moves001_imgSpacer201", 4, 321, [] { return stonePiece(4, 321, 0x5201ull); }));
    list.push_back(icoAsset("Moves001_Icon", 32, 32, discIcon));
}

} // namespace artgen
