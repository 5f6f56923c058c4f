// Painting, caption layout and hit testing on small fixture layouts.
#include "Fixtures.h"

#include "framework/CaptionLayout.h"
#include "framework/CodePage1252.h"
#include "framework/Twips.h"
#include "layouts/Fonts.h"

#include <gtest/gtest.h>

namespace grimveil::testing {
namespace {

using gv::rgb;
constexpr int px(int pixels) {
    return pixels * 15;
}

constexpr gv::OleColor kGrey { 0x00808080 };
constexpr gv::OleColor kWhite { 0x00FFFFFF };
constexpr gv::OleColor kGreen { 0x0000FF00 };
constexpr gv::OleColor kRed { 0x000000FF };
constexpr gv::OleColor kBlue { 0x00FF0000 };
constexpr gv::OleColor kYellow { 0x0000FFFF };
constexpr gv::OleColor kMagenta { 0x00FF00FF };

constexpr gv::ControlRecord kPaintControls[] = {
    picture_box("Top", {}, px(10), px(10), px(30), px(30), "blue16", kWhite),
    picture_box("Under", {}, px(20), px(20), px(30), px(30), {}, kGreen),
    picture_box("Box", {}, px(60), px(10), px(40), px(40), {}, kWhite, gv::Border::Single),
    picture_box("Spill", "Box", px(30), px(30), px(20), px(20), {}, kRed),
    picture_box("NegTop", {}, px(120), -10, px(10), px(10), "rows", kWhite, gv::Border::None, true,
                gv::AutoSize::On),
    picture_box("Hidden", {}, px(150), px(10), px(40), px(40), {}, kRed, gv::Border::None, false),
    hot_spot("HiddenSpot", "Hidden", 0, 0, px(40), px(40)),
    picture_box("Over", {}, px(40), px(60), px(20), px(20), {}, kMagenta),
    { .kind = gv::ControlKind::Label,
      .name = "Opaque",
      .left = px(10),
      .top = px(60),
      .width = px(50),
      .height = px(20),
      .back_color = kYellow,
      .back_style = gv::BackStyle::Opaque },
    { .kind = gv::ControlKind::Label,
      .name = "Below",
      .left = px(150),
      .top = px(10),
      .width = px(40),
      .height = px(40),
      .back_color = kBlue,
      .back_style = gv::BackStyle::Opaque },
    picture_box("Big", {}, px(10), px(85), px(20), px(10), "big100", kRed),
};

constexpr gv::ScreenLayout kPaintLayout { .name = "Paint",
                                          .caption = "Paint",
                                          .back_color = kGrey,
                                          .client_width = px(200),
                                          .client_height = px(100),
                                          .controls = kPaintControls };
const gv::ScreenDefinition kPaintScreens[] = { { &kPaintLayout, {} } };

struct PaintFixture : ::testing::Test {
    FixtureProgram program { kPaintScreens };
    void SetUp() override { ASSERT_TRUE(program.app.start(0).is_ok()); }
    gv::Rgb at(int x, int y) const { return program.pixel(0, x, y); }
    std::string_view hit(int x, int y) const {
        const gv::Screen& s = *program.app.loaded(0);
        int i = s.control_at({ x, y });
        return i == gv::kForm ? "Form" : s.controls()[i].name();
    }
};

TEST_F(PaintFixture, PaintsInLayoutOrderWithPicturesAboveLabels) {
    struct Case {
        int x, y;
        gv::Rgb expected;
        const char* why;
    } cases[] = {
        { 25, 25, rgb(0, 0, 255),
          "the earlier picture control lies on top, its picture drawn at its top-left" },
        { 35, 35, rgb(255, 255, 255),
          "beyond its picture a control shows its BackColor, still above the later one" },
        { 45, 45, rgb(0, 255, 0), "the later control shows where the earlier one does not reach" },
        { 45, 65, rgb(255, 0, 255),
          "a picture control lies above a label of its container, whatever the order" },
        { 15, 65, rgb(255, 255, 0), "an opaque label fills its rectangle" },
        { 5, 5, rgb(128, 128, 128), "the screen's BackColor elsewhere" },
        { 160, 20, rgb(0, 0, 255), "a hidden picture control is not drawn, and neither are its children" },
        { 15, 90, rgb(0, 128, 0), "a picture larger than its control shows its top-left part, no BackColor" },
        { 29, 94, rgb(0, 128, 0), "...up to the control's last pixel" },
        { 30, 94, rgb(128, 128, 128), "...and is cut off there" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(at(c.x, c.y), c.expected) << c.why << " at (" << c.x << ", " << c.y << ")";
}

TEST_F(PaintFixture, ClipsToTheParentAndDrawsBordersInsideTheEdge) {
    EXPECT_EQ(at(60, 10), rgb(0, 0, 0)) << "the border is the control's outermost pixel";
    EXPECT_EQ(at(99, 49), rgb(0, 0, 0)) << "the border covers the last column and row too";
    EXPECT_EQ(at(61, 11), rgb(255, 255, 255)) << "the inner area starts one pixel in";
    EXPECT_EQ(at(92, 42), rgb(255, 0, 0)) << "a child is placed from the inner area's corner (61 + 30)";
    EXPECT_EQ(at(90, 42), rgb(255, 255, 255));
    EXPECT_EQ(at(99, 45), rgb(0, 0, 0)) << "a child that runs past its parent is cut at the inner edge";
    EXPECT_EQ(at(102, 45), rgb(128, 128, 128)) << "nothing of the child shows outside its parent";
    // Top -10 twips rounds to -1 pixel: the picture's first row lies above the window.
    EXPECT_EQ(at(121, 0), rgb(10, 0, 0)) << "row 1 of the picture lands on row 0";
    EXPECT_EQ(at(121, 8), rgb(90, 0, 0));
    EXPECT_EQ(at(121, 9), rgb(128, 128, 128)) << "AutoSize made the control exactly the picture's size";
}

TEST_F(PaintFixture, AHiddenControlUncoversWhatLiesBelowIt) {
    gv::Screen& s = *program.app.loaded(0);
    s.set_control_visible(gv::control_index(kPaintControls, "Top"), false);
    s.set_control_visible(gv::control_index(kPaintControls, "Opaque"), false);
    (void)s.repaint();
    EXPECT_EQ(at(15, 15), rgb(128, 128, 128)) << "the form's colour where the hidden picture control was";
    EXPECT_EQ(at(25, 25), rgb(0, 255, 0)) << "the later control, no longer covered";
    EXPECT_EQ(at(15, 65), rgb(128, 128, 128)) << "the form's colour where the hidden label was";
    EXPECT_EQ(at(45, 65), rgb(255, 0, 255)) << "the picture control above the label stays";
}

// The parts of a rectangle outside a set of holes: checked pixel by pixel on
// a small grid, each pixel outside every hole covered exactly once.
TEST(Geometry, UncoveredPartsTileTheRectangleOutsideTheHoles) {
    struct Case {
        gv::Rect r;
        std::vector<gv::Rect> holes;
        const char* what;
    } cases[] = {
        { { 0, 0, 10, 8 }, {}, "no holes: the rectangle itself" },
        { { 0, 0, 10, 8 }, { { 3, 2, 4, 3 } }, "a hole in the middle" },
        { { 0, 0, 10, 8 }, { { -5, -5, 30, 30 } }, "a hole over all of it" },
        { { 2, 2, 6, 4 }, { { 0, 0, 3, 3 }, { 7, 5, 9, 9 } }, "holes over two corners, reaching outside" },
        { { 0, 0, 10, 8 },
          { { 1, 1, 5, 5 }, { 3, 3, 5, 4 }, { 2, 0, 1, 8 } },
          "holes overlapping each other" },
        { { 0, 0, 10, 8 }, { { 20, 20, 2, 2 }, {} }, "a hole outside and an empty one" },
    };
    for (const Case& c : cases) {
        std::vector<int> count(16 * 16, 0);
        int pieces = 0;
        gv::for_each_uncovered(c.r, c.holes, [&](gv::Rect piece) {
            ++pieces;
            EXPECT_FALSE(piece.empty()) << c.what;
            for (int y = piece.top(); y < piece.bottom(); ++y)
                for (int x = piece.left(); x < piece.right(); ++x) ++count[std::size_t(y * 16 + x)];
        });
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const gv::Point p { x, y };
                const bool in_hole =
                    std::any_of(c.holes.begin(), c.holes.end(), [&](gv::Rect h) { return h.contains(p); });
                const int expected = c.r.contains(p) && !in_hole ? 1 : 0;
                ASSERT_EQ(count[std::size_t(y * 16 + x)], expected)
                    << c.what << " at (" << x << ", " << y << ")";
            }
        }
        if (c.holes.empty()) {
            EXPECT_EQ(pieces, 1) << c.what;
        }
    }
}

TEST_F(PaintFixture, HitTestingFollowsPaintOrderAndClipping) {
    struct Case {
        int x, y;
        std::string_view expected;
    } cases[] = {
        { 25, 25, "Top" },    { 35, 35, "Top" },    { 45, 45, "Under" },
        { 92, 42, "Spill" },  { 61, 11, "Box" },    { 60, 10, "Box" }, // the border belongs to the control
        { 102, 45, "Form" },  // the clipped part of a child takes no mouse
        { 160, 20, "Below" }, // a hidden control and its children pass the mouse on
        { 45, 65, "Over" },   { 15, 65, "Opaque" }, { 5, 5, "Form" },
        { 199, 99, "Form" },  { 40, 30, "Under" }, // half-open: Top covers 10 <= x < 40
    };
    for (const Case& c : cases) EXPECT_EQ(hit(c.x, c.y), c.expected) << "at (" << c.x << ", " << c.y << ")";
}

TEST_F(PaintFixture, ShowingAControlRepaintsOnlyItsRectangle) {
    const auto before = program.desktop.window(0)->presented_pixels;
    gv::Screen& s = *program.app.loaded(0);
    s.set_control_visible(gv::control_index(kPaintControls, "Hidden"), true);
    auto changed = s.repaint();
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], (gv::Rect { 150, 10, 40, 40 }));
    EXPECT_EQ(at(160, 20), rgb(255, 0, 0));
    EXPECT_EQ(hit(160, 20), "HiddenSpot") << "the shown control's hot-spot now takes the mouse";
    EXPECT_GT(before, 0);
}

// The desktop shows what the window was given, rectangle by rectangle, not
// the screen's own picture: a damage list that leaves a change off shows.
constexpr gv::ControlRecord kPresentControls[] = {
    hot_spot("ShowPatch", {}, 0, 0, px(10), px(10)),
    picture_box("Patch", {}, px(20), px(20), px(40), px(40), {}, kRed, gv::Border::None, false),
};
constexpr gv::Step kShowPatch[] = { gv::steps::show(gv::control_index(kPresentControls, "Patch")) };
constexpr gv::Handler kPresentHandlers[] = {
    { "Present_ShowPatch_Click", 0, gv::Event::Click, kShowPatch },
};
constexpr gv::ScreenLayout kPresentLayout { .name = "Present",
                                            .caption = "Present",
                                            .back_color = kGrey,
                                            .client_width = px(100),
                                            .client_height = px(100),
                                            .controls = kPresentControls };
const gv::ScreenDefinition kPresentScreens[] = { { &kPresentLayout, kPresentHandlers } };

TEST(Presenting, TheDesktopShowsOnlyTheRectanglesPresented) {
    FixtureProgram program { kPresentScreens };
    ASSERT_TRUE(program.app.start(0).is_ok());
    gv::Screen& s = *program.app.loaded(0);
    const gv::Rect f = program.desktop.window(0)->frame;
    auto on_desktop = [&](int x, int y) { return program.desktop.pixel({ f.x + x, f.y + y }); };
    const gv::Rgb grey = rgb(128, 128, 128), red = rgb(255, 0, 0);
    EXPECT_TRUE(presented_is_fresh_paint(program.desktop, s, 0));
    program.desktop.click({ f.x + 5, f.y + 5 });
    EXPECT_EQ(on_desktop(50, 50), red);
    EXPECT_TRUE(presented_is_fresh_paint(program.desktop, s, 0)) << "in normal use";

    // Hide the patch, then present only the left half of what changed.
    s.set_control_visible(gv::control_index(kPresentControls, "Patch"), false);
    const auto changed = s.repaint();
    ASSERT_EQ(changed.size(), 1u);
    ASSERT_EQ(changed[0], (gv::Rect { 20, 20, 40, 40 }));
    const gv::Rect too_small { 20, 20, 20, 40 };
    s.window()->present(s.surface(), { &too_small, 1 });
    EXPECT_EQ(s.surface().pixel(50, 50), grey) << "the screen's own picture is right";
    EXPECT_EQ(on_desktop(30, 50), grey) << "the presented half changed";
    EXPECT_EQ(on_desktop(50, 50), red) << "the half left off is stale";
    EXPECT_EQ(program.desktop.compose().pixel(f.x + 50, f.y + 50), red) << "in the composed picture too";
    EXPECT_FALSE(presented_is_fresh_paint(program.desktop, s, 0)) << "and the check sees it";

    // The window system lost the pixels: the whole picture is presented again.
    program.desktop.expose(0);
    EXPECT_EQ(on_desktop(50, 50), grey);
    EXPECT_TRUE(presented_is_fresh_paint(program.desktop, s, 0));
}

TEST(CaptionLayout, MnemonicRule) {
    struct Case {
        std::string_view caption, shown;
        std::vector<int> underlined;
    } cases[] = {
        { "Plain", "Plain", {} },         { "&File", "File", { 0 } },
        { "Save &As", "Save As", { 5 } }, { "Tom && Jerry", "Tom & Jerry", {} },
        { "a& b", "a b", { 1 } }, // before a space: no ampersand, the space is underlined
        { "&&&x", "&x", { 1 } },          { "end&", "end", {} },
    };
    for (const Case& c : cases) {
        gv::DisplayText t = gv::apply_mnemonics(c.caption);
        EXPECT_EQ(t.text, c.shown) << c.caption;
        EXPECT_EQ(t.underlined, c.underlined) << c.caption;
        EXPECT_EQ(gv::displayed_length(c.caption), int(c.shown.size())) << c.caption;
    }
    static_assert(gv::displayed_length("Tom && Jerry") == 11, "the placement rule measures at compile time");
}

struct FontFixture : ::testing::Test {
    gv::FreeTypeFonts fonts { embedded_fonts(), font_substitutes() };
    const gv::Font& fixedsys() { return *fonts.font(layouts::kFixedsys9); }
};

TEST_F(FontFixture, FixedsysStandInKeepsTheEightByFifteenCell) {
    const gv::Font& f = fixedsys();
    EXPECT_EQ(f.line_height(), 15);
    for (unsigned char c : std::string_view("AiW.& \x93\xe9\x80"))
        EXPECT_EQ(f.glyph(c).advance, 8) << "character " << int(c);
    EXPECT_FALSE(f.glyph(0xe9).coverage.empty()) << "code page 1252 beyond ASCII renders (e acute)";
    EXPECT_FALSE(f.glyph(0x80).coverage.empty()) << "the euro sign at 0x80 renders";
}

TEST_F(FontFixture, EveryFaceOfTheLayoutsHasItsOwnStandIn) {
    // A face missing from the table would fall back to the default and still
    // render, so name the file each one must come from.
    struct Case {
        gv::FontSpec asked;
        std::string_view file;
    } cases[] = {
        { layouts::kFixedsys9, "ter-u14b_unicode.pcf" },
        { layouts::kArial975Bold, "LiberationSans-Bold.ttf" },
        { layouts::kArial825Bold, "LiberationSans-Bold.ttf" },
        { layouts::kFuturaT1575Medium, "LeagueSpartan-Medium.otf" },
        { layouts::kMariageD36, "Blankenburg_UNZ1A.ttf" },
        { gv::FontSpec {}, "LiberationSans-Bold.ttf" },
        { gv::FontSpec { .face = "No Such Face" }, "LiberationSans-Bold.ttf" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fonts.stand_in(c.asked), c.file) << "\"" << c.asked.face << "\"";
        const gv::Font* f = fonts.font(c.asked);
        ASSERT_NE(f, nullptr) << c.asked.face << ": " << fonts.last_error();
        EXPECT_GT(f->text_width("Grimveil"), 0) << c.asked.face;
        EXPECT_GT(f->line_height(), 0) << c.asked.face;
    }
    EXPECT_GT(fonts.font(layouts::kMariageD36)->line_height(),
              fonts.font(layouts::kArial975Bold)->line_height());
}

TEST(FontSubstitutes, AFaceTakesTheRowOfTheNearestWeight) {
    static constexpr gv::FontSubstitute table[] = {
        { "Face", "regular.ttf", 400 },
        { "Face", "bold.ttf", 700 },
        { "Other", "other.ttf", 400 },
        { "", "default.ttf", 400 },
    };
    struct Case {
        gv::FontSpec asked;
        std::string_view file;
    } cases[] = {
        { { .face = "Face", .weight = 400 }, "regular.ttf" },
        { { .face = "Face", .weight = 700 }, "bold.ttf" },
        { { .face = "Face", .weight = 500 }, "regular.ttf" },
        { { .face = "Face", .weight = 600 }, "bold.ttf" },
        { { .face = "Face", .weight = 550 }, "bold.ttf" },
        { { .face = "Face", .weight = 900 }, "bold.ttf" },
        { { .face = "Face", .weight = 100 }, "regular.ttf" },
        { { .face = "Other", .weight = 700 }, "other.ttf" },
        { { .face = "None", .weight = 700 }, "default.ttf" },
    };
    for (const Case& c : cases) {
        const gv::FontSubstitute* sub = gv::choose_substitute(table, c.asked);
        ASSERT_NE(sub, nullptr) << c.asked.face << " " << c.asked.weight;
        EXPECT_EQ(sub->file, c.file) << c.asked.face << " " << c.asked.weight;
    }
    EXPECT_EQ(gv::choose_substitute(std::span(table).first(3), { .face = "None" }), nullptr)
        << "no row of its own and no default";
}

TEST_F(FontFixture, BoldAskedOfARegularStandInIsThickened) {
    static constexpr gv::FontSubstitute regular_only[] = { { "Face", "Blankenburg_UNZ1A.ttf", 400 } };
    gv::FreeTypeFonts own { embedded_fonts(), regular_only };
    auto ink = [](const gv::Font& f) {
        long sum = 0;
        for (unsigned char c : std::string_view("Grimveil"))
            for (std::uint8_t v : f.glyph(c).coverage) sum += v;
        return sum;
    };
    const gv::Font* regular = own.font({ .face = "Face", .centipoints = 2400, .weight = 400 });
    const gv::Font* bold = own.font({ .face = "Face", .centipoints = 2400, .weight = 700 });
    ASSERT_TRUE(regular && bold) << own.last_error();
    EXPECT_GT(ink(*bold), ink(*regular) * 11 / 10);
    EXPECT_EQ(ink(*own.font({ .face = "Face", .centipoints = 2400, .weight = 500 })), ink(*regular))
        << "a step of 100 is drawn from the file as it is";
}

TEST(Fonts, RenderEachGlyphOnceAndOnlyWhenItIsNeeded) {
    struct Counting final : gv::GlyphRenderer {
        explicit Counting(std::vector<int>& calls)
            : calls(calls) {}
        gv::Glyph render(unsigned char c) override {
            calls.push_back(c);
            return { .advance = c == 'W' ? 9 : 5, .size = { 1, 1 }, .coverage = { 255 } };
        }
        std::vector<int>& calls;
    };
    std::vector<int> calls;
    const gv::Font font({ .ascent = 8, .line_height = 10 }, std::make_unique<Counting>(calls));
    EXPECT_TRUE(calls.empty()) << "making the font renders nothing";
    EXPECT_EQ(font.text_width("WaW"), 23);
    EXPECT_EQ(calls, (std::vector<int> { 'W', 'a' }));
    gv::Bitmap target(40, 12);
    gv::Painter painter(target);
    font.draw(painter, { 0, 0 }, "aWa", gv::rgb(255, 255, 255));
    font.prepare("Wa");
    EXPECT_EQ(calls.size(), 2u) << "a glyph once rendered is kept";
    font.prepare("z");
    EXPECT_EQ(calls.back(), 'z');
}

TEST_F(FontFixture, WrapsAtSpacesAndBreaksOverlongWords) {
    const gv::Font& f = fixedsys(); // 8 px per character
    struct Case {
        std::string_view text;
        int width;
        std::vector<std::string_view> lines;
    } cases[] = {
        { "aaa bbb ccc", 64, { "aaa bbb", "ccc" } },
        { "aaa bbb ccc", 40, { "aaa", "bbb", "ccc" } },
        { "aaaaaaaaaaaa", 40, { "aaaaa", "aaaaa", "aa" } },
        { "ab abcdefgh", 40, { "ab", "abcde", "fgh" } },
        { "fits", 32, { "fits" } },
        { "one\r\ntwo", 200, { "one", "two" } },
        { "x", 0, { "x" } }, // a label too narrow for one character still gets one per line
    };
    for (const Case& c : cases) {
        auto lines = gv::wrap_text(f, c.text, c.width);
        std::vector<std::string_view> got;
        for (auto& l : lines) got.push_back(c.text.substr(l.start, l.length));
        EXPECT_EQ(got, c.lines) << "\"" << c.text << "\" in " << c.width << " px";
    }
}

// Labels drawn through a screen: AutoSize, borders, cutting and underlines.
constexpr gv::ControlRecord label(std::string_view name, int left, int top, int width, int height,
                                  std::string_view caption, gv::Border border, gv::AutoSize auto_size,
                                  gv::BackStyle style = gv::BackStyle::Transparent) {
    return { .kind = gv::ControlKind::Label,
             .name = name,
             .left = left,
             .top = top,
             .width = width,
             .height = height,
             .caption = caption,
             .font = layouts::kFixedsys9,
             .fore_color = { 0x00FFFFFF },
             .back_color = { 0x00FF0000 },
             .border = border,
             .back_style = style,
             .auto_size = auto_size };
}

constexpr gv::ControlRecord kLabelControls[] = {
    label("Plain", 0, 0, 15, 15, "ABCDEF", gv::Border::None, gv::AutoSize::On),
    label("Bordered", 0, px(20), 15, 15, "ABCDEF", gv::Border::Single, gv::AutoSize::On),
    label("Amp", 0, px(40), 15, 15, "A&&B&C", gv::Border::None, gv::AutoSize::On),
    label("Wrapped", px(100), 0, px(40), px(30), "aaa bbb ccc", gv::Border::None, gv::AutoSize::Off,
          gv::BackStyle::Opaque),
    label("Under", px(100), px(60), 15, 15, "&A", gv::Border::None, gv::AutoSize::On),
    label("NotUnder", px(150), px(60), 15, 15, "A", gv::Border::None, gv::AutoSize::On),
};
constexpr gv::ScreenLayout kLabelLayout { .name = "Labels",
                                          .caption = "Labels",
                                          .back_color = { 0 },
                                          .client_width = px(200),
                                          .client_height = px(100),
                                          .controls = kLabelControls };
const gv::ScreenDefinition kLabelScreens[] = { { &kLabelLayout, {} } };

TEST(Labels, AutoSizeMeasuresTheDisplayedTextPlusTheBorder) {
    FixtureProgram program(kLabelScreens);
    ASSERT_TRUE(program.app.start(0).is_ok());
    const gv::Screen& s = *program.app.loaded(0);
    auto twips_size = [&](std::string_view name) {
        gv::Rect r = s.find(name)->rect;
        return std::pair { gv::pixels_to_twips(r.width), gv::pixels_to_twips(r.height) };
    };
    EXPECT_EQ(twips_size("Plain"), std::pair(720, 225)) << "120 twips a character, 225 high";
    EXPECT_EQ(twips_size("Bordered"), std::pair(750, 255)) << "a border adds two pixels each way";
    EXPECT_EQ(twips_size("Amp"), std::pair(480, 225)) << "\"A&&B&C\" shows four characters: A&BC";
}

TEST(Labels, WrappedLabelIsCutAtItsRectangleAndUnderlinesMark) {
    FixtureProgram program(kLabelScreens);
    ASSERT_TRUE(program.app.start(0).is_ok());
    auto row_has = [&](int x0, int x1, int y, gv::Rgb c) {
        for (int x = x0; x < x1; ++x)
            if (program.pixel(0, x, y) == c) return true;
        return false;
    };
    const gv::Rgb white = rgb(255, 255, 255);
    // "aaa bbb ccc" in 40 px: three lines of 15 px, but the label is 30 px high.
    bool second_line_drawn = false;
    for (int y = 15; y < 30; ++y) second_line_drawn |= row_has(100, 140, y, white);
    EXPECT_TRUE(second_line_drawn) << "the second line is drawn below the first";
    for (int y = 30; y < 50; ++y)
        EXPECT_FALSE(row_has(100, 140, y, white)) << "the third line lies outside the label, row " << y;
    EXPECT_EQ(program.pixel(0, 139, 29), rgb(0, 0, 255)) << "an opaque label fills its rectangle";
    EXPECT_EQ(program.pixel(0, 140, 29), rgb(0, 0, 0)) << "and no further";

    // "A" has nothing below its baseline; the mnemonic underline does.
    const gv::Font& f = *program.fonts.font(layouts::kFixedsys9);
    auto below_baseline = [&](int x0) {
        bool any = false;
        for (int y = 60 + f.ascent(); y < 60 + f.line_height(); ++y) any |= row_has(x0, x0 + 8, y, white);
        return any;
    };
    EXPECT_TRUE(below_baseline(100)) << "\"&A\" underlines the A";
    EXPECT_FALSE(below_baseline(150)) << "\"A\" has no underline";
}

} // namespace
} // namespace grimveil::testing

TEST(CodePage1252, TitlesBecomeUtf8) {
    EXPECT_EQ(gv::cp1252_to_utf8("Plain [ 1.0.0 ]"), "Plain [ 1.0.0 ]");
    EXPECT_EQ(gv::cp1252_to_utf8("\xA7\xE9"), "\u00A7\u00E9") << "Latin-1 from 0xA0";
    EXPECT_EQ(gv::cp1252_to_utf8("\x80\x86\x99"), "\u20AC\u2020\u2122") << "the typographic range";
    EXPECT_EQ(gv::cp1252_to_utf8("a\x81z"), "a\uFFFDz") << "an unassigned byte";
}

namespace grimveil::testing {

// A layout that never met the registry check fails to build with a reason,
// rather than throwing out of the program.
TEST(ScreenBuild, AnUnknownParentIsAFailureNotAnException) {
    static constexpr gv::ControlRecord controls[] = {
        { .kind = gv::ControlKind::Label, .name = "Orphan", .parent = "Nowhere", .width = 10, .height = 10 },
    };
    static constexpr gv::ScreenLayout layout { .name = "Broken", .caption = "", .controls = controls };
    static const gv::ScreenDefinition definition { &layout, {} };
    FixturePictures pictures;
    gv::FreeTypeFonts fonts { embedded_fonts(), font_substitutes() };
    std::unique_ptr<gv::Screen> screen;
    gv::Status status = gv::Screen::build(definition, pictures, fonts, screen);
    ASSERT_FALSE(status);
    EXPECT_NE(status.error().find("Nowhere"), std::string::npos) << status.error();
    EXPECT_EQ(screen, nullptr);
}

} // namespace grimveil::testing
