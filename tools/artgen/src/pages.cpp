// Panel frame shared by the fighter, links, credits and contact pages, and the
// two section titles of the fighter pages.

#include "assets.h"
#include "canvas.h"
#include "frame.h"
#include "quantize.h"
#include "style.h"

namespace artgen {
namespace {

constexpr int kPanelWidth = 681;
constexpr int kPanelHeight = 364;
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
    return toRgb8(t < 0.5 ? mix(style::edgeBlue, style::orange, t / 0.5)
                          : mix(style::orange, style::red, (t - 0.5) / 0.5));
}

Image panelFrame() {
    return drawFrame({ .width = kPanelWidth,
                       .height = kPanelHeight,
                       .closeMark = kCloseMark,
                       .edgeColour = [](int x, int) { return frameColour(x); } });
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
