// Every picture the layouts name: present, in its format, of its size, and
// the highlight tiles made from their portraits by the frame rule.
#include "Harness.h"

#include "framework/PictureDecoder.h"
#include "framework/Twips.h"
#include "layouts/Roster.h"

#include <gtest/gtest.h>

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

TEST_F(Assets, EveryPictureOfEveryLayoutDecodesInItsFormat) {
    std::set<std::string_view> named;
    for (const gv::ScreenDefinition& def : registry()) {
        if (!def.layout->picture.empty()) named.insert(def.layout->picture);
        for (const gv::ControlRecord& c : def.layout->controls)
            if (!c.picture.empty()) named.insert(c.picture);
    }
    ASSERT_FALSE(named.empty());
    for (std::string_view name : named) {
        const gv::EmbeddedFile* f = store.file(name);
        ASSERT_NE(f, nullptr) << name << " is not built in";
        const std::string_view file = f->name;
        if (file.ends_with(".gif")) {
            EXPECT_TRUE(is_gif89a_256(f->bytes)) << name << ": GIF 89a with a 256-colour palette";
            EXPECT_FALSE(gif_has_transparency(f->bytes)) << name << ": no transparent pixels";
        } else if (file.ends_with(".jpg")) {
            EXPECT_TRUE(is_baseline_jpeg(f->bytes)) << name << ": baseline JPEG";
        } else {
            ADD_FAILURE() << name << ": unexpected format " << file;
        }
        EXPECT_NE(store.picture(name), nullptr) << name << " decodes";
    }
    // The walk saw the pictures of every screen kind.
    for (std::string_view expected : { "Main001_Skull02", "MovesLoading_Picture1", "Moves001_imgBlank02" })
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

TEST_F(Assets, PicturesCutByTheirControlsHaveTheirOwnSizes) {
    struct Case {
        std::string_view name;
        int width, height;
    } cases[] = {
        { "splashBDD_Background", 584, 264 }, { "Main001_Picture5", 300, 2 },
        { "Main001_Picture4", 2, 300 },       { "Main001_Picture1", 2, 500 },
        { "Main001_BorderBottom", 500, 2 },   { "Main001_Picture10", 2, 600 },
        { "Main001_Picture8", 700, 2 },       { "MovesLoading_Picture1", 465, 60 },
    };
    for (const Case& c : cases) {
        const gv::Bitmap* p = store.picture(c.name);
        ASSERT_NE(p, nullptr) << c.name;
        EXPECT_EQ(p->size(), (gv::Size { c.width, c.height })) << c.name;
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
