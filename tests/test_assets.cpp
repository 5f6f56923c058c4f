// Every picture the layouts name: present, in its format, of its size; the
// highlight tiles made from their portraits by the frame rule; the panel and
// secrets frames, and the panel frame's bitmap copy.
#include "Harness.h"

#include "framework/Twips.h"
#include "framework/platform/SdlImageDecoder.h"
#include "layouts/PanelLayout.h"
#include "layouts/Roster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

namespace grimveil::testing {
namespace {

using Bytes = std::span<const unsigned char>;

bool is_gif89a_256(Bytes b) {
    // "GIF89a", then the screen descriptor: a global colour table of 2^(n+1) entries.
    if (b.size() < 13 || std::string_view(reinterpret_cast<const char*>(b.data()), 6) != "GIF89a")
        return false;
    const unsigned flags = b[10];
    return (flags & 0x80) && (flags & 0x07) == 7;
}

bool gif_has_transparency(Bytes b) {
    // A graphic control extension (21 F9) with its transparency flag set.
    for (std::size_t i = 0; i + 4 < b.size(); ++i)
        if (b[i] == 0x21 && b[i + 1] == 0xF9 && b[i + 2] == 4 && (b[i + 3] & 1)) return true;
    return false;
}

bool is_baseline_jpeg(Bytes b) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return false;
    // Walk the markers up to the frame header: SOF0 is baseline.
    for (std::size_t i = 2; i + 4 < b.size();) {
        if (b[i] != 0xFF) return false;
        const unsigned marker = b[i + 1];
        if (marker == 0xC0) return true;
        if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return false; // progressive, lossless or arithmetic
        i += 2 + ((std::size_t(b[i + 2]) << 8) | b[i + 3]);
    }
    return false;
}

struct BmpHeader {
    int width, height, bits, compression;
    std::size_t file_size, pixel_offset;
};
std::optional<BmpHeader> bmp_header(Bytes b) {
    auto u16 = [&](std::size_t i) { return unsigned(b[i]) | (unsigned(b[i + 1]) << 8); };
    auto u32 = [&](std::size_t i) { return std::uint32_t(u16(i)) | (std::uint32_t(u16(i + 2)) << 16); };
    // File header, then a BITMAPINFOHEADER (40 bytes) or a later, longer one.
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || u32(14) < 40) return std::nullopt;
    return BmpHeader { .width = int(u32(18)),
                       .height = int(u32(22)),
                       .bits = int(u16(28)),
                       .compression = int(u32(30)),
                       .file_size = u32(2),
                       .pixel_offset = u32(10) };
}

struct IconEntry {
    int width, height, colours;
};
std::vector<IconEntry> icon_entries(Bytes b) {
    std::vector<IconEntry> out;
    if (b.size() < 6 || b[0] != 0 || b[1] != 0 || b[2] != 1 || b[3] != 0) return out;
    const int count = b[4] | (b[5] << 8);
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= int(b.size()); ++i) {
        const unsigned char* e = b.data() + 6 + 16 * i;
        const std::size_t offset = e[12] | (e[13] << 8) | (e[14] << 16) | (std::size_t(e[15]) << 24);
        if (offset + 16 > b.size() || b[offset] != 40) return {}; // BMP entries only
        const int bits = b[offset + 14] | (b[offset + 15] << 8);
        out.push_back({ e[0] ? e[0] : 256, e[1] ? e[1] : 256, 1 << bits });
    }
    return out;
}

struct Assets : ::testing::Test {
    gv::SdlImageDecoder decoder;
    gv::AssetStore store { embedded_assets(), decoder };
};

TEST_F(Assets, EveryPictureDecodesInItsFormat) {
    std::set<std::string_view> named;
    for (const gv::ScreenDefinition& def : registry()) {
        if (!def.layout->picture.empty()) named.insert(def.layout->picture);
        for (const gv::ControlRecord& c : def.layout->controls)
            if (!c.picture.empty()) named.insert(c.picture);
    }
    ASSERT_FALSE(named.empty());
    // Pictures built in before any layout names them are held to the same rules.
    std::set<std::string_view> pictures = named;
    for (const gv::EmbeddedFile& f : store.files())
        if (!f.name.ends_with(".ico")) pictures.insert(f.name.substr(0, f.name.rfind('.')));
    for (std::string_view name : pictures) {
        const gv::EmbeddedFile* f = store.file(name);
        ASSERT_NE(f, nullptr) << name << " is not built in";
        const std::string_view file = f->name;
        const gv::Bitmap* decoded = store.picture(name);
        EXPECT_NE(decoded, nullptr) << name << " decodes";
        if (file.ends_with(".gif")) {
            EXPECT_TRUE(is_gif89a_256(f->bytes)) << name << ": GIF 89a with a 256-colour palette";
            EXPECT_FALSE(gif_has_transparency(f->bytes)) << name << ": no transparent pixels";
        } else if (file.ends_with(".jpg")) {
            EXPECT_TRUE(is_baseline_jpeg(f->bytes)) << name << ": baseline JPEG";
        } else if (file.ends_with(".bmp")) {
            const std::optional<BmpHeader> h = bmp_header(f->bytes);
            ASSERT_TRUE(h) << name << ": BMP with an info header";
            EXPECT_EQ(h->bits, 24) << name << ": 24 bits a pixel";
            EXPECT_EQ(h->compression, 0) << name << ": BI_RGB, uncompressed";
            EXPECT_GT(h->height, 0) << name << ": rows stored bottom-up";
            const std::size_t row = (std::size_t(h->width) * 3 + 3) / 4 * 4;
            EXPECT_EQ(h->file_size, f->bytes.size()) << name;
            EXPECT_EQ(h->pixel_offset + row * std::size_t(h->height), f->bytes.size())
                << name << ": one padded row of pixels per line, nothing more";
            if (decoded) {
                EXPECT_EQ(decoded->size(), (gv::Size { h->width, h->height })) << name;
            }
        } else {
            ADD_FAILURE() << name << ": unexpected format " << file;
        }
    }
    // The walk saw the pictures of every screen kind.
    for (std::string_view expected :
         { "Main001_Skull02", "MovesLoading_Picture1", "Moves001_imgBlank02", "Credits001_Background",
           "MovesDuvrin_Background", "MovesVorsk_Picture2" })
        EXPECT_TRUE(named.count(expected)) << expected;
}

TEST_F(Assets, AutoSizeControlsAgreeWithTheirPictures) {
    // A layout stores the size an AutoSize picture control takes from its
    // picture; the artwork must have exactly that size.
    for (const gv::ScreenDefinition& def : registry()) {
        for (const gv::ControlRecord& c : def.layout->controls) {
            if (c.kind != gv::ControlKind::PictureBox || c.auto_size != gv::AutoSize::On || c.picture.empty())
                continue;
            const gv::Bitmap* p = store.picture(c.picture);
            ASSERT_NE(p, nullptr) << c.picture;
            const int border = c.has_border() ? 2 : 0;
            EXPECT_EQ(gv::twips_to_pixels(c.width), p->width() + border) << def.layout->name << "." << c.name;
            EXPECT_EQ(gv::twips_to_pixels(c.height), p->height() + border)
                << def.layout->name << "." << c.name;
        }
    }
}

TEST_F(Assets, PicturesHaveTheirFormatsAndSizes) {
    // Backgrounds and pictures that their controls cut, whose sizes no layout
    // implies; the fighter pages' shared titles; and the secrets and
    // information pages' artwork, held to its sizes whatever its layouts say.
    struct Case {
        std::string_view file;
        int width, height;
    } cases[] = {
        { "splashBDD_Background.jpg", 584, 264 },  { "Main001_Picture5.jpg", 300, 2 },
        { "Main001_Picture4.jpg", 2, 300 },        { "Main001_Picture1.jpg", 2, 500 },
        { "Main001_BorderBottom.jpg", 500, 2 },    { "Main001_Picture10.jpg", 2, 600 },
        { "Main001_Picture8.jpg", 700, 2 },        { "MovesLoading_Picture1.gif", 465, 60 },
        { "MovesVorsk_Picture1.gif", 221, 35 },    { "MovesVorsk_Picture2.gif", 160, 38 },
        { "Credits001_Background.jpg", 681, 364 }, { "MovesDuvrin_Background.bmp", 681, 364 },
        { "Secrets001_Background.jpg", 612, 460 }, { "Secrets001_imgSecrets.jpg", 264, 56 },
        { "Secrets001_Next.gif", 50, 15 },         { "Secrets001_Previous.gif", 74, 15 },
        { "Secrets001_Picture5.gif", 168, 29 },    { "Secrets001_Picture1.gif", 270, 29 },
        { "Secrets001_Picture3.gif", 213, 29 },    { "Secrets001_Picture2.gif", 182, 29 },
        { "Secrets001_Picture6.gif", 191, 29 },    { "Secrets002_Picture4.gif", 191, 28 },
        { "Contact001_Picture1.jpg", 165, 41 },    { "Links001_Picture1.jpg", 122, 47 },
        { "Credits001_Picture1.jpg", 155, 48 },
    };
    for (const Case& c : cases) {
        const std::string_view name = c.file.substr(0, c.file.rfind('.'));
        const gv::EmbeddedFile* f = store.file(name);
        ASSERT_NE(f, nullptr) << name << " is not built in";
        EXPECT_EQ(f->name, c.file) << name << " in its format";
        const gv::Bitmap* p = store.picture(name);
        ASSERT_NE(p, nullptr) << name;
        EXPECT_EQ(p->size(), (gv::Size { c.width, c.height })) << name;
        if (f->name.ends_with(".bmp")) {
            const std::optional<BmpHeader> h = bmp_header(f->bytes);
            ASSERT_TRUE(h) << name;
            EXPECT_EQ((gv::Size { h->width, h->height }), (gv::Size { c.width, c.height })) << name;
        }
    }
}

TEST_F(Assets, TheBitmapFrameHasTheJpegFramesPixels) {
    // One fighter page stores the panel frame as a bitmap; it must look
    // exactly like the JPEG on the other pages, as this program decodes both.
    const gv::EmbeddedFile* jpeg = store.file(layouts::kPanel.frame);
    const gv::EmbeddedFile* bmp = store.file("MovesDuvrin_Background");
    ASSERT_TRUE(jpeg && bmp);
    ASSERT_TRUE(jpeg->name.ends_with(".jpg")) << jpeg->name;
    ASSERT_TRUE(bmp->name.ends_with(".bmp")) << bmp->name;
    const gv::Bitmap* a = store.picture(layouts::kPanel.frame);
    const gv::Bitmap* b = store.picture("MovesDuvrin_Background");
    ASSERT_TRUE(a && b);
    ASSERT_EQ(a->size(), b->size());
    int differing = 0;
    std::optional<gv::Point> first;
    for (int y = 0; y < a->height(); ++y)
        for (int x = 0; x < a->width(); ++x)
            if (a->pixel(x, y) != b->pixel(x, y)) {
                if (!differing++) first = gv::Point { x, y };
            }
    ASSERT_EQ(differing, 0) << "first at (" << first->x << ", " << first->y << "): JPEG " << std::hex
                            << a->pixel(first->x, first->y) << ", BMP " << b->pixel(first->x, first->y);
}

// Colours of the frame line.
bool is_blue(int r, int g, int b) {
    return b > 200 && b > r + 60 && b > g + 40;
}
bool is_orange(int r, int g, int b) {
    return r > 200 && g > 60 && g < 170 && b < 80;
}
bool is_red(int r, int g, int b) {
    return r > 180 && g < 80 && b < 80;
}

TEST_F(Assets, FramesHaveTheirEdgesCloseMarkAndBlackField) {
    // A stretch of the two-pixel frame line, inclusive, and the colour it has.
    struct Edge {
        std::string_view where;
        int x0, x1, y0, y1;
        bool (*colour)(int r, int g, int b);
    };
    struct Frame {
        const gv::PanelTemplate& panel;
        gv::Size size;
        gv::Rect mark; // where the close mark may paint
        int bracket_x; // the bracket's two-pixel upright starts here
        std::vector<Edge> edges;
    } frames[] = {
        { layouts::kPanel,
          { 681, 364 },
          { 652, 0, 29, 30 },
          652,
          // Blue along the left, orange halfway, red along the right.
          { { "left edge", 0, 1, 0, 363, is_blue },
            { "top edge, middle", 330, 350, 0, 1, is_orange },
            { "bottom edge, middle", 330, 350, 362, 363, is_orange },
            { "right edge", 679, 680, 0, 363, is_red } } },
        { layouts::kSecretsPanel,
          { 612, 460 },
          { 583, 0, 29, 30 },
          584,
          // Orange along the sides, blue at three corners, red at the top-right one.
          { { "top edge, middle", 250, 360, 0, 1, is_orange },
            { "bottom edge, middle", 250, 360, 458, 459, is_orange },
            { "left edge, middle", 0, 1, 180, 280, is_orange },
            { "right edge, middle", 610, 611, 180, 280, is_orange },
            { "top-left corner, along the top", 0, 9, 0, 1, is_blue },
            { "top-left corner, down the left", 0, 1, 0, 9, is_blue },
            { "bottom-left corner, along the bottom", 0, 9, 458, 459, is_blue },
            { "bottom-left corner, up the left", 0, 1, 450, 459, is_blue },
            { "bottom-right corner, along the bottom", 602, 611, 458, 459, is_blue },
            { "bottom-right corner, up the right", 610, 611, 450, 459, is_blue },
            { "top-right corner, along the top", 602, 611, 0, 1, is_red },
            { "top-right corner, down the right", 610, 611, 0, 9, is_red } } },
    };
    for (const Frame& f : frames) {
        SCOPED_TRACE(f.panel.frame);
        const gv::Bitmap* frame = store.picture(f.panel.frame);
        ASSERT_NE(frame, nullptr);
        const int w = frame->width(), h = frame->height();
        ASSERT_EQ((gv::Size { w, h }), f.size);
        ASSERT_EQ((gv::Size { w, h }), (gv::Size { gv::twips_to_pixels(f.panel.client_width),
                                                   gv::twips_to_pixels(f.panel.client_height) }))
            << "the frame fills the window";
        auto r = [&](int x, int y) { return gv::red_of(frame->pixel(x, y)); };
        auto g = [&](int x, int y) { return gv::green_of(frame->pixel(x, y)); };
        auto b = [&](int x, int y) { return gv::blue_of(frame->pixel(x, y)); };
        auto brightest = [&](int x, int y) { return std::max({ r(x, y), g(x, y), b(x, y) }); };
        auto red_at = [&](int x, int y) { return is_red(r(x, y), g(x, y), b(x, y)); };

        for (const Edge& e : f.edges) {
            int wrong = 0;
            for (int y = e.y0; y <= e.y1; ++y)
                for (int x = e.x0; x <= e.x1; ++x) wrong += !e.colour(r(x, y), g(x, y), b(x, y));
            EXPECT_EQ(wrong, 0) << e.where;
        }

        // The close mark is painted where the close hot-spot takes clicks: its
        // rectangle as cut by the window's edge.
        const gv::ControlRecord close = f.panel.close();
        const int hot_x = gv::twips_to_pixels(close.left), hot_y = gv::twips_to_pixels(close.top);
        const gv::Rect hot_spot { hot_x, hot_y,
                                  std::min(gv::twips_to_pixels(close.left + close.width), w) - hot_x,
                                  std::min(gv::twips_to_pixels(close.top + close.height), h) - hot_y };
        auto in = [](const gv::Rect& rc, int x, int y) {
            return x >= rc.x && x < rc.x + rc.width && y >= rc.y && y < rc.y + rc.height;
        };
        int blue_inside = 0, blue_outside = 0, ink_unclickable = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (std::min({ x, y, w - 1 - x, h - 1 - y }) < 2) continue; // the frame line
                if (b(x, y) > 150 && b(x, y) > r(x, y) + 60)
                    ++(in(f.mark, x, y) ? blue_inside : blue_outside);
                if (brightest(x, y) > 60 && !(in(f.mark, x, y) && in(hot_spot, x, y))) ++ink_unclickable;
            }
        EXPECT_GE(blue_inside, 60) << "a blue X in the close mark's box";
        EXPECT_EQ(blue_outside, 0) << "nothing blue outside the close mark but the frame";
        EXPECT_EQ(ink_unclickable, 0)
            << "pixels of the mark outside its box or outside the hot-spot's visible part";

        // A red bracket along the box's left and bottom sides, open towards the corner.
        int bracket_left = 0, bracket_bottom = 0;
        for (int y = 0; y < 24; ++y) bracket_left += red_at(f.bracket_x, y) && red_at(f.bracket_x + 1, y);
        for (int x = f.bracket_x + 6; x < w; ++x) bracket_bottom += red_at(x, 28) && red_at(x, 29);
        EXPECT_EQ(bracket_left, 24) << "the bracket's upright, at x " << f.bracket_x << "..";
        EXPECT_EQ(bracket_bottom, w - f.bracket_x - 6) << "the bracket's foot, at y 28..29";
        // An X, not a blot: blue where the arms cross, dark between them.
        const int cx = w - 14;
        EXPECT_GT(b(cx, 14), 150) << "the arms cross in the middle of the box";
        EXPECT_LT(brightest(cx, 5), 100) << "between the upper arms";
        EXPECT_LT(brightest(cx - 7, 14), 100) << "between the left arms";

        // The field stays black for the text drawn over it. Inside the frame's
        // own JPEG blocks the frame may ring faintly (most in a corner block,
        // where two sides change colour); beyond them it is pure black.
        int too_bright = 0;
        for (int y = 2; y < h - 2; ++y)
            for (int x = 2; x < w - 2; ++x) {
                if (in(hot_spot, x, y)) continue;
                const int from_edge = std::min({ x, y, w - 1 - x, h - 1 - y });
                const int allowed = from_edge < 6 ? 40 : from_edge < 8 ? 16 : 0;
                too_bright += brightest(x, y) > allowed;
            }
        EXPECT_EQ(too_bright, 0) << "pixels of the field above black (or near black within 8 px of the edge)";
    }
}

TEST_F(Assets, TitlesAndHeadingsFillTheirPicturesUncut) {
    // Lettering on black: its colours, fitted to the picture's width, and
    // never cut by the picture's edge.
    enum class Look { RedBevelledWhite, Gold, BlueChrome };
    struct Case {
        std::string_view name;
        Look look;
    } cases[] = {
        { "Secrets001_Picture5", Look::RedBevelledWhite },
        { "Secrets001_Picture1", Look::RedBevelledWhite },
        { "Secrets001_Picture3", Look::RedBevelledWhite },
        { "Secrets001_Picture2", Look::RedBevelledWhite },
        { "Secrets001_Picture6", Look::RedBevelledWhite },
        { "Secrets002_Picture4", Look::RedBevelledWhite },
        { "Secrets001_Next", Look::Gold },
        { "Secrets001_Previous", Look::Gold },
        { "Contact001_Picture1", Look::BlueChrome },
        { "Links001_Picture1", Look::BlueChrome },
        { "Credits001_Picture1", Look::BlueChrome },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const gv::Bitmap* p = store.picture(c.name);
        ASSERT_NE(p, nullptr);
        const int w = p->width(), h = p->height();
        int lit_border = 0, wrong_hue = 0, white = 0, red = 0, ink = 0;
        int left = w, right = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int r = gv::red_of(p->pixel(x, y)), g = gv::green_of(p->pixel(x, y)),
                          b = gv::blue_of(p->pixel(x, y));
                const int brightest = std::max({ r, g, b });
                if (x == 0 || y == 0 || x == w - 1 || y == h - 1) lit_border += brightest > 40;
                if (brightest <= 100) continue;
                ++ink;
                left = std::min(left, x);
                right = std::max(right, x);
                white += r > 240 && g > 240 && b > 240;
                red += r > 150 && g < 70 && b < 70;
                switch (c.look) {
                case Look::RedBevelledWhite:
                    wrong_hue += g > r || b > r;
                    break;
                case Look::Gold:
                    wrong_hue += !(r >= g && g >= b && r >= 150);
                    break;
                case Look::BlueChrome:
                    wrong_hue += r > b + 10 || g > b + 10;
                    break;
                }
            }
        EXPECT_EQ(lit_border, 0) << "the lettering reaches the picture's edge";
        EXPECT_EQ(wrong_hue, 0) << "pixels of another colour";
        EXPECT_GE(ink, w * h / 8) << "lettering that fills its picture";
        EXPECT_LE(left, 8) << "the lettering starts near the left edge";
        EXPECT_GE(right, w - 9) << "the lettering ends near the right edge";
        if (c.look == Look::RedBevelledWhite) {
            EXPECT_GE(white, w * h / 10) << "white capitals";
            EXPECT_GE(red, w) << "a red bevel";
        }
    }
}

TEST_F(Assets, ArrowsPointTheirWay) {
    // The arrow's tip is the lettering's outermost column, a single pixel; four
    // columns in, the head is as tall as the capitals.
    struct Case {
        std::string_view name;
        bool points_right;
    } cases[] = { { "Secrets001_Next", true }, { "Secrets001_Previous", false } };
    for (const Case& c : cases) {
        const gv::Bitmap* p = store.picture(c.name);
        ASSERT_NE(p, nullptr) << c.name;
        auto inked_rows = [&](int x) {
            int n = 0;
            for (int y = 0; y < p->height(); ++y) n += gv::red_of(p->pixel(x, y)) > 150;
            return n;
        };
        int tip = c.points_right ? p->width() - 1 : 0;
        const int inwards = c.points_right ? -1 : 1;
        while (tip >= 0 && tip < p->width() && inked_rows(tip) == 0) tip += inwards;
        ASSERT_TRUE(tip >= 0 && tip < p->width()) << c.name << " is blank";
        EXPECT_EQ(inked_rows(tip), 1) << c.name << ": a pointed tip at column " << tip;
        EXPECT_EQ(inked_rows(tip + 4 * inwards), 9) << c.name << ": the head's base";
        EXPECT_LT(inked_rows(tip + 6 * inwards), 9) << c.name << ": a shaft behind the head";
    }
}

TEST_F(Assets, IconsHaveTheirImages) {
    struct Case {
        std::string_view name;
        std::vector<std::pair<int, int>> sizes_and_colours;
    } cases[] = {
        { "Main001_Icon", { { 32, 256 } } },
        { "Moves001_Icon", { { 32, 16 }, { 16, 16 } } },
    };
    for (const Case& c : cases) {
        const gv::EmbeddedFile* f = store.file(c.name);
        ASSERT_NE(f, nullptr) << c.name;
        std::vector<std::pair<int, int>> got;
        for (IconEntry e : icon_entries(f->bytes)) {
            EXPECT_EQ(e.width, e.height) << c.name;
            got.push_back({ e.width, e.colours });
        }
        EXPECT_EQ(got, c.sizes_and_colours) << c.name;
        EXPECT_NE(store.icon(c.name), nullptr) << c.name << " decodes";
    }
}

TEST_F(Assets, HighlightTilesAreTheirPortraitsInARedFrame) {
    const gv::Rgb rings[] = { gv::rgb(255, 0, 0), gv::rgb(191, 0, 0), gv::rgb(127, 0, 0) };
    std::set<std::vector<gv::Rgb>> distinct;
    for (const auto& names : layouts::kFighterNames) {
        const gv::Bitmap* portrait = store.picture(names.portrait_asset);
        const gv::Bitmap* highlight = store.picture(names.highlight_asset);
        ASSERT_TRUE(portrait && highlight) << names.portrait_asset.view();
        ASSERT_EQ(portrait->size(), (gv::Size { 67, 61 }));
        ASSERT_EQ(highlight->size(), (gv::Size { 67, 61 }));
        int wrong_ring = 0, wrong_inside = 0;
        for (int y = 0; y < 61; ++y) {
            for (int x = 0; x < 67; ++x) {
                const int ring = std::min({ x, y, 66 - x, 60 - y });
                if (ring < 3)
                    wrong_ring += highlight->pixel(x, y) != rings[ring];
                else
                    wrong_inside += highlight->pixel(x, y) != portrait->pixel(x, y);
            }
        }
        EXPECT_EQ(wrong_ring, 0) << names.highlight_asset.view();
        EXPECT_EQ(wrong_inside, 0) << names.highlight_asset.view();
        for (const gv::Bitmap* b : { portrait, highlight })
            distinct.insert(std::vector<gv::Rgb>(b->data(), b->data() + 67 * 61));
    }
    for (std::string_view blank : { "Moves001_imgBlank01", "Moves001_imgBlank02" })
        distinct.insert(
            std::vector<gv::Rgb>(store.picture(blank)->data(), store.picture(blank)->data() + 67 * 61));
    EXPECT_EQ(distinct.size(), 2u * layouts::kFighters + 2) << "no two tile pictures alike";
}

} // namespace
} // namespace grimveil::testing
