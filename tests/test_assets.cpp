// Every picture the layouts name: present, in its format, of its size; the
// highlight tiles made from their portraits by the frame rule; the panel frame
// and its bitmap copy.
#include "Harness.h"

#include "framework/PictureDecoder.h"
#include "framework/Twips.h"
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
    gv::AssetStore store { embedded_assets() };
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

TEST_F(Assets, PicturesHaveTheirStatedSizes) {
    // Backgrounds and pictures that their controls cut, whose sizes no layout
    // implies, and the fighter pages' shared titles.
    struct Case {
        std::string_view name;
        int width, height;
    } cases[] = {
        { "splashBDD_Background", 584, 264 },  { "Main001_Picture5", 300, 2 },
        { "Main001_Picture4", 2, 300 },        { "Main001_Picture1", 2, 500 },
        { "Main001_BorderBottom", 500, 2 },    { "Main001_Picture10", 2, 600 },
        { "Main001_Picture8", 700, 2 },        { "MovesLoading_Picture1", 465, 60 },
        { "MovesVorsk_Picture1", 221, 35 },    { "MovesVorsk_Picture2", 160, 38 },
        { "Credits001_Background", 681, 364 }, { "MovesDuvrin_Background", 681, 364 },
    };
    for (const Case& c : cases) {
        const gv::Bitmap* p = store.picture(c.name);
        ASSERT_NE(p, nullptr) << c.name;
        EXPECT_EQ(p->size(), (gv::Size { c.width, c.height })) << c.name;
        if (store.file(c.name)->name.ends_with(".bmp")) {
            const std::optional<BmpHeader> h = bmp_header(store.file(c.name)->bytes);
            ASSERT_TRUE(h) << c.name;
            EXPECT_EQ((gv::Size { h->width, h->height }), (gv::Size { c.width, c.height })) << c.name;
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

TEST_F(Assets, PanelFrameHasItsEdgesCloseMarkAndBlackField) {
    const gv::Bitmap* frame = store.picture(layouts::kPanel.frame);
    ASSERT_NE(frame, nullptr);
    const int w = frame->width(), h = frame->height();
    ASSERT_EQ((gv::Size { w, h }), (gv::Size { 681, 364 }));
    auto r = [&](int x, int y) { return gv::red_of(frame->pixel(x, y)); };
    auto g = [&](int x, int y) { return gv::green_of(frame->pixel(x, y)); };
    auto b = [&](int x, int y) { return gv::blue_of(frame->pixel(x, y)); };
    auto brightest = [&](int x, int y) { return std::max({ r(x, y), g(x, y), b(x, y) }); };

    // The two-pixel frame: blue along the left, orange halfway, red along the right.
    struct Edge {
        std::string_view where;
        int x0, x1, y0, y1;
        bool (*colour)(int r, int g, int b);
    } edges[] = {
        { "left edge", 0, 1, 0, h - 1,
          [](int r, int g, int b) { return b > 200 && b > r + 60 && b > g + 40; } },
        { "top edge, middle", 330, 350, 0, 1,
          [](int r, int g, int b) { return r > 200 && g > 60 && g < 170 && b < 80; } },
        { "bottom edge, middle", 330, 350, h - 2, h - 1,
          [](int r, int g, int b) { return r > 200 && g > 60 && g < 170 && b < 80; } },
        { "right edge", w - 2, w - 1, 0, h - 1,
          [](int r, int g, int b) { return r > 180 && g < 80 && b < 80; } },
    };
    for (const Edge& e : edges) {
        int wrong = 0;
        for (int y = e.y0; y <= e.y1; ++y)
            for (int x = e.x0; x <= e.x1; ++x) wrong += !e.colour(r(x, y), g(x, y), b(x, y));
        EXPECT_EQ(wrong, 0) << e.where;
    }

    // The close mark lies under the close hot-spot, in the top-right corner:
    // a blue X inside a red bracket along the box's left and bottom sides.
    const gv::ControlRecord close = layouts::kPanel.close();
    const gv::Rect hot_spot { gv::twips_to_pixels(close.left), gv::twips_to_pixels(close.top),
                              gv::twips_to_pixels(close.width), gv::twips_to_pixels(close.height) };
    const gv::Rect mark { 652, 0, 29, 30 };
    ASSERT_TRUE(hot_spot.x <= mark.x && hot_spot.y <= mark.y && hot_spot.x + hot_spot.width >= w &&
                hot_spot.y + hot_spot.height >= mark.y + mark.height);
    auto in = [](const gv::Rect& rc, int x, int y) {
        return x >= rc.x && x < rc.x + rc.width && y >= rc.y && y < rc.y + rc.height;
    };
    auto is_red = [&](int x, int y) { return r(x, y) > 150 && g(x, y) < 90 && b(x, y) < 90; };
    int blue_inside = 0, blue_outside = 0, bracket_left = 0, bracket_bottom = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int from_edge = std::min({ x, y, w - 1 - x, h - 1 - y });
            if (from_edge >= 2 && b(x, y) > 150 && b(x, y) > r(x, y) + 60)
                ++(in(mark, x, y) ? blue_inside : blue_outside);
        }
    for (int y = mark.y; y < mark.y + 24; ++y) bracket_left += is_red(mark.x, y) && is_red(mark.x + 1, y);
    for (int x = mark.x + 6; x < w; ++x) bracket_bottom += is_red(x, mark.y + 28) && is_red(x, mark.y + 29);
    EXPECT_GE(blue_inside, 60) << "a blue X in the close mark's box";
    EXPECT_EQ(blue_outside, 0) << "nothing blue outside the close mark but the frame";
    EXPECT_EQ(bracket_left, 24) << "the bracket's upright, at x 652..653";
    EXPECT_EQ(bracket_bottom, w - mark.x - 6) << "the bracket's foot, at y 28..29";
    // An X, not a blot: blue where the arms cross, dark between them.
    EXPECT_GT(b(667, 14), 150) << "the arms cross in the middle of the box";
    EXPECT_LT(brightest(667, 5), 100) << "between the upper arms";
    EXPECT_LT(brightest(660, 14), 100) << "between the left arms";

    // The field stays black for the text drawn over it. Inside the frame's own
    // JPEG blocks the frame may ring faintly; beyond them it is pure black.
    int too_bright = 0;
    for (int y = 2; y < h - 2; ++y)
        for (int x = 2; x < w - 2; ++x) {
            if (in(hot_spot, x, y)) continue;
            const int from_edge = std::min({ x, y, w - 1 - x, h - 1 - y });
            const int allowed = from_edge < 6 ? 40 : from_edge < 8 ? 10 : 0;
            too_bright += brightest(x, y) > allowed;
        }
    EXPECT_EQ(too_bright, 0) << "pixels of the field above black (or near black within 8 px of the edge)";
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
