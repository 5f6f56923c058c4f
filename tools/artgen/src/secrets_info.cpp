// Secrets pages (frame, title, headings, arrows) and the title words of the
// contact, links and credits pages.
//   [frame] secrets frame   [title] flames title   [headings] bevelled capitals
//   [arrows] pixel-font arrows   [words] chrome titles   [catalogue]

#include "assets.h"
#include "canvas.h"
#include "frame.h"
#include "noise.h"
#include "quantize.h"
#include "style.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace artgen {
namespace {

IndexedImage toGif(const Image& img) {
    return quantize(flattenOnBlack(img), { 256, {} });
}

Color sample(const std::vector<Stop>& stops, double t) {
    if (t <= stops.front().offset) return stops.front().color;
    for (std::size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].offset)
            return mix(stops[i - 1].color, stops[i].color,
                       (t - stops[i - 1].offset) / (stops[i].offset - stops[i - 1].offset));
    return stops.back().color;
}

// [frame] ------------------------------------------------------------------

constexpr int kSecretsWidth = 612;
constexpr int kSecretsHeight = 460;
// The close hot-spot starts at pixel 584 and is cut by the window's edge at
// 611; the mark stays inside that part, so every pixel of it takes clicks.
constexpr Rect kSecretsCloseMark { 584, 0, 28, 30 };
// How far along each side a corner's colour fades into the orange.
constexpr double kCornerFade = 110;

// Orange along the sides; blue at the corners, red at the top-right one,
// where the close mark sits.
Rgb8 secretsEdgeColour(int x, int y) {
    const bool horizontal = y < 2 || y >= kSecretsHeight - 2;
    const int along = horizontal ? x : y;
    const int length = horizontal ? kSecretsWidth : kSecretsHeight;
    const bool nearStart = along < length - 1 - along;
    const double distance = nearStart ? along : length - 1 - along;
    // The corner this pixel's side runs into first.
    const bool top = horizontal ? y < 2 : nearStart;
    const bool right = horizontal ? !nearStart : x >= kSecretsWidth - 2;
    const Color corner = top && right ? style::red : style::edgeBlue;
    return toRgb8(mix(corner, style::orange, std::min(1.0, distance / kCornerFade)));
}

Image secretsFrame() {
    return drawFrame({ .width = kSecretsWidth,
                       .height = kSecretsHeight,
                       .closeMark = kSecretsCloseMark,
                       .edgeColour = secretsEdgeColour });
}

// [title] ------------------------------------------------------------------

// Heat of a flame field: hot along the bottom, tongues licking upwards.
double flameHeat(const ValueNoise& coarse, const ValueNoise& fine, double x, double y, double h) {
    const double v = y / (h - 1); // 0 at the top, 1 at the bottom
    // Stretched vertically and drifting sideways with height, so the tongues lean and flicker.
    const double drift = 2.2 * coarse.at(x / 30.0, y / 40.0);
    const double tongues = coarse.at(x / 11.0 + drift, y / 22.0);
    const double flicker = fine.at(x / 4.0, y / 7.0);
    return 1.05 * std::pow(v, 0.8) + 0.7 * (tongues - 0.5) + 0.25 * (flicker - 0.5) - 0.05;
}

Image flamesTitle() {
    constexpr int w = 264, h = 56;
    Canvas c(w, h);
    const ValueNoise coarse(0xF1A4Eull, 32), fine(0xF1A4E5ull, 64);
    const std::vector<Stop> fire {
        { 0.0, rgb(0, 0, 0) },      { 0.25, rgb(90, 0, 0) },     { 0.5, rgb(205, 35, 0) },
        { 0.72, rgb(255, 120, 0) }, { 0.88, rgb(255, 205, 40) }, { 1.0, rgb(255, 250, 190) },
    };
    Image field(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            field.set(x, y, toRgb8(sample(fire, std::clamp(flameHeat(coarse, fine, x, y, h), 0.0, 1.0))));
    c.putImage(field);

    const std::string text = "SECRETS & CODES";
    const Rect box { 7, 11, w - 14.0, 34 };
    // A dark halo lifts the yellow letters off the yellow of the flames.
    c.glowText(fonts::spartanBlack, 40, text, box, HAlign::Center, rgb(0, 0, 0, 0), rgb(0, 0, 0), 3, 1.6);
    c.metallicText(fonts::spartanBlack, 40, text, box, HAlign::Center,
                   { { 0, rgb(255, 255, 170) }, { 0.4, rgb(255, 238, 40) }, { 1, rgb(255, 170, 0) } },
                   rgb(0, 0, 0), 1.6);
    return c.toImage();
}

// [headings] ---------------------------------------------------------------

constexpr double kOutlineWidth = 1.0;
constexpr double kBevelWidth = 1.4;
const Font& kHeadingFont = fonts::sansCondensedBold;

struct PathDeleter {
    void operator()(cairo_path_t* p) const { cairo_path_destroy(p); }
};
using PathPtr = std::unique_ptr<cairo_path_t, PathDeleter>;

// Coverage (0..1) of a path filled and, when grow > 0, stroked grow px wide.
std::vector<float> coverage(int w, int h, const cairo_path_t* path, double grow) {
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* m = cairo_create(mask);
    cairo_append_path(m, path);
    cairo_set_line_join(m, CAIRO_LINE_JOIN_ROUND);
    if (grow > 0) {
        cairo_set_line_width(m, grow);
        cairo_fill_preserve(m);
        cairo_stroke(m);
    } else {
        cairo_fill(m);
    }
    cairo_destroy(m);
    cairo_surface_flush(mask);
    const unsigned char* data = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    std::vector<float> a(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) a[static_cast<std::size_t>(y) * w + x] = data[y * stride + x] / 255.0f;
    cairo_surface_destroy(mask);
    return a;
}

// White capitals with a red bevel lit from the top left, outlined in dark
// red, on black; the text fills the picture's width.
IndexedImage heading(int w, int h, const std::string& text) {
    Canvas c(w, h);
    const double ring = kOutlineWidth + kBevelWidth;
    const Rect box { ring + 1, ring + 2.2, w - 2 * ring - 2, h - 2 * ring - 4.4 };
    cairo_new_path(c.cr());
    // Letters spaced so that neighbours' outlines meet but do not merge.
    c.spacedTextPath(kHeadingFont, text, box, ring, 8);
    const PathPtr path(cairo_copy_path(c.cr()));
    cairo_new_path(c.cr());

    const std::vector<float> face = coverage(w, h, path.get(), 0);
    const std::vector<float> body = coverage(w, h, path.get(), 2 * kBevelWidth);
    const std::vector<float> outer = coverage(w, h, path.get(), 2 * ring);
    // The bevel's slope comes from a softened copy of the letters' body.
    std::vector<float> height = body;
    boxBlurAlpha(height, w, h, 1);
    auto at = [&](const std::vector<float>& a, int x, int y) {
        return a[static_cast<std::size_t>(std::clamp(y, 0, h - 1)) * w + std::clamp(x, 0, w - 1)];
    };
    const Color outline = rgb(90, 0, 0), lit = rgb(255, 140, 125), shade = rgb(150, 0, 0);
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double gx = at(height, x + 1, y) - at(height, x - 1, y);
            const double gy = at(height, x, y + 1) - at(height, x, y - 1);
            const double slope = std::hypot(gx, gy);
            // Outward normal against the light from the top left.
            const double facing = slope > 1e-4 ? (gx + gy) / (slope * std::sqrt(2.0)) : 0;
            Color p = mix(style::black, outline, at(outer, x, y));
            p = mix(p, mix(shade, lit, 0.5 + 0.5 * facing), at(body, x, y));
            p = mix(p, rgb(255, 255, 255), at(face, x, y));
            img.set(x, y, toRgb8(p));
        }
    return toGif(img);
}

// [arrows] -----------------------------------------------------------------

// A bold pixel font, drawn pixel by pixel so the 15 px arrows stay sharp at
// 1:1: nine rows from the capitals' top to the baseline, small letters seven.
struct Glyph {
    char ch;
    std::array<std::string_view, 9> rows;
};

constexpr Glyph kGlyphs[] = {
    { 'N',
      { "##....##", "###...##", "####..##", "##.#..##", "##.##.##", "##..#.##", "##..####", "##...###",
        "##....##" } },
    { 'P',
      { "######.", "##...##", "##...##", "##...##", "######.", "##.....", "##.....", "##.....", "##....." } },
    { 'e', { "", "", ".####.", "##..##", "##..##", "######", "##....", "##...#", ".####." } },
    { 'x', { "", "", "##..##", "##..##", ".####.", "..##..", ".####.", "##..##", "##..##" } },
    { 't', { ".....", ".##..", "#####", ".##..", ".##..", ".##..", ".##..", ".##..", "..###" } },
    { 'r', { "", "", "##.###", "####..", "###...", "##....", "##....", "##....", "##...." } },
    { 'v', { "", "", "##..##", "##..##", "##..##", "##..##", ".####.", ".####.", "..##.." } },
    { 'i', { "##", "..", "##", "##", "##", "##", "##", "##", "##" } },
    { 'o', { "", "", ".####.", "##..##", "##..##", "##..##", "##..##", "##..##", ".####." } },
    { 'u', { "", "", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", ".#####" } },
    { 's', { "", "", ".#####", "##....", "##....", ".####.", "....##", "....##", "#####." } },
};

const Glyph& glyph(char ch) {
    for (const Glyph& g : kGlyphs)
        if (g.ch == ch) return g;
    throw std::runtime_error(std::string("pixel font has no glyph ") + ch);
}

int glyphWidth(const Glyph& g) {
    std::size_t w = 0;
    for (std::string_view r : g.rows) w = std::max(w, r.size());
    return static_cast<int>(w);
}

constexpr int kArrowTop = 3; // rows 3..11 of 15
constexpr int kArrowWidth = 11;
constexpr int kWordGap = 4;

int wordWidth(std::string_view word) {
    int w = -1;
    for (char ch : word) w += glyphWidth(glyph(ch)) + 1;
    return w;
}

// A word and an arrow, gold on black with a faint brown shadow.
IndexedImage arrowPicture(int w, int h, std::string_view word, bool pointsRight) {
    std::vector<uint8_t> ink(static_cast<std::size_t>(w) * h, 0);
    auto plot = [&](int x, int y) {
        if (x >= 0 && x < w && y >= 0 && y < h) ink[static_cast<std::size_t>(y) * w + x] = 1;
    };
    const int total = kArrowWidth + kWordGap + wordWidth(word);
    const int left = (w - total) / 2;
    const int wordLeft = pointsRight ? left : left + kArrowWidth + kWordGap;
    const int arrowLeft = pointsRight ? left + wordWidth(word) + kWordGap : left;
    int pen = wordLeft;
    for (char ch : word) {
        const Glyph& g = glyph(ch);
        for (int row = 0; row < 9; ++row)
            for (std::size_t col = 0; col < g.rows[row].size(); ++col)
                if (g.rows[row][col] == '#') plot(pen + static_cast<int>(col), kArrowTop + row);
        pen += glyphWidth(g) + 1;
    }
    // Head: five columns narrowing from nine rows to one; shaft: three rows.
    constexpr int head = 5, mid = kArrowTop + 4;
    for (int k = 0; k < kArrowWidth; ++k) {
        const int fromTip = kArrowWidth - 1 - k;
        const int x = pointsRight ? arrowLeft + k : arrowLeft + fromTip;
        const int half = fromTip < head ? fromTip : 1;
        for (int y = mid - half; y <= mid + half; ++y) plot(x, y);
    }
    Image img(w, h);
    const Color shadow = rgb(95, 45, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            auto inked = [&](int xx, int yy) {
                return xx >= 0 && yy >= 0 && xx < w && yy < h && ink[static_cast<std::size_t>(yy) * w + xx];
            };
            Color p = style::black;
            if (inked(x, y))
                p = sample(style::gold, 0.1 + 0.6 * (y - kArrowTop) / 8.0);
            else if (inked(x - 1, y - 1))
                p = shadow;
            img.set(x, y, toRgb8(p));
        }
    return toGif(img);
}

// [words] ------------------------------------------------------------------

// A lower-case title in light-blue chrome with a dark outline, on black.
Image chromeWord(int w, int h, const std::string& word) {
    Canvas c(w, h);
    c.fill(style::black);
    const Rect box { 4, 4, w - 8.0, h - 8.0 };
    c.glowText(fonts::spartanBold, 60, word, box, HAlign::Center, rgb(0, 0, 0, 0), rgb(60, 110, 230), 3, 0.8);
    c.metallicText(fonts::spartanBold, 60, word, box, HAlign::Center, style::steelBlue, rgb(6, 10, 40), 1.2);
    return c.toImage();
}

} // namespace

// [catalogue] --------------------------------------------------------------

void addSecretsInfoAssets(AssetList& list) {
    list.push_back(jpegAsset("Secrets001_Background", kSecretsWidth, kSecretsHeight, secretsFrame));
    list.push_back(jpegAsset("Secrets001_imgSecrets", 264, 56, flamesTitle));
    list.push_back(gifAsset("Secrets001_Next", 50, 15, [] { return arrowPicture(50, 15, "Next", true); }));
    list.push_back(
        gifAsset("Secrets001_Previous", 74, 15, [] { return arrowPicture(74, 15, "Previous", false); }));
    struct Heading {
        const char* name;
        int width, height;
        const char* text;
    };
    // The hidden character of the last section is not on the roster.
    constexpr Heading headings[] = {
        { "Secrets001_Picture5", 168, 29, "CHEAT MENU" },
        { "Secrets001_Picture1", 270, 29, "PLAY AS GRELLIX" },
        { "Secrets001_Picture3", 213, 29, "PLAY AS BRUDD" },
        { "Secrets001_Picture2", 182, 29, "PLAY AS BRANNOX" },
        { "Secrets001_Picture6", 191, 29, "PLAY AS SKARN" },
        { "Secrets002_Picture4", 191, 28, "SKIRMAL KODES" },
    };
    for (const Heading& hd : headings)
        list.push_back(
            gifAsset(hd.name, hd.width, hd.height, [hd] { return heading(hd.width, hd.height, hd.text); }));
    list.push_back(jpegAsset("Contact001_Picture1", 165, 41, [] { return chromeWord(165, 41, "contact"); }));
    list.push_back(jpegAsset("Links001_Picture1", 122, 47, [] { return chromeWord(122, 47, "links"); }));
    list.push_back(jpegAsset("Credits001_Picture1", 155, 48, [] { return chromeWord(155, 48, "credits"); }));
}

} // namespace artgen
