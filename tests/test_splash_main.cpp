// The splash's reveal and hand-over, and the main menu, driven through the
// headless desktop on the virtual clock.
#include "Fixtures.h"
#include "Harness.h"

#include "framework/Twips.h"
#include "layouts/Fonts.h"
#include "layouts/SplashLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace grimveil::testing {
namespace {

using gv::WindowState;

// The letters in the order the chain shows them.
constexpr std::string_view kChain[] = { "txtD", "txtE", "txtS", "txtI", "txtG", "txtN", "txtSb" };
constexpr std::string_view kChainTimers[] = { "TimerD", "TimerE", "TimerS", "TimerI",
                                              "TimerG", "TimerN", "TimerSb" };

int letters_shown(const Guide& g) {
    int n = 0;
    for (auto name : kChain) n += g.control(ScreenId::splashBDD, name).visible;
    return n;
}

TEST(Splash, OpensCentredWithItsCaptionAndTaskbarButton) {
    Guide g;
    g.start();
    ASSERT_TRUE(g.errors.empty()) << g.errors.front();
    auto w = g.window(ScreenId::splashBDD);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->title, "Orvelle Created");
    EXPECT_EQ(w->frame, (gv::Rect { 220, 252, 584, 264 }));
    EXPECT_TRUE(w->shown);
    EXPECT_EQ(g.desktop.taskbar(), std::vector<std::string> { "Orvelle Created" });
    EXPECT_EQ(letters_shown(g), 0);
    EXPECT_EQ(g.loaded_screens(), std::vector<ScreenId> { ScreenId::splashBDD });
}

TEST(Splash, RevealsOneLetterEvery500msAndHandsOverAt5500) {
    Guide g;
    g.start();
    std::vector<bool> seen(7, false);
    for (int t = 1; t < 5500; ++t) {
        g.advance(1);
        const int k = t / 500; // letters due by now
        ASSERT_EQ(letters_shown(g), std::min(k, 7)) << "at " << t << " ms";
        for (int i = 0; i < 7; ++i) {
            const bool visible = g.control(ScreenId::splashBDD, kChain[i]).visible;
            ASSERT_EQ(visible, i < k) << kChain[i] << " at " << t << " ms";
        }
        int chain_enabled = 0;
        for (auto timer : kChainTimers) chain_enabled += g.control(ScreenId::splashBDD, timer).enabled;
        ASSERT_EQ(chain_enabled, t < 3500 ? 1 : 0)
            << "one chain timer at a time, none after the word, at " << t;
    }
    EXPECT_TRUE(g.shown(ScreenId::splashBDD));
    EXPECT_FALSE(g.loaded(ScreenId::Main001));
    g.advance(1); // 5500 ms
    EXPECT_FALSE(g.loaded(ScreenId::splashBDD));
    EXPECT_TRUE(g.shown(ScreenId::Main001));
    EXPECT_FALSE(g.app.finished());
    // Between the handler's two steps both screens were loaded: the main menu's
    // window was shown before the splash's went.
    const auto& j = g.desktop.journal();
    auto shown_main = std::find(j.begin(), j.end(), "show Interactive Grimveil v2");
    auto gone_splash = std::find(j.begin(), j.end(), "destroy Orvelle Created");
    ASSERT_NE(shown_main, j.end());
    ASSERT_NE(gone_splash, j.end());
    EXPECT_LT(shown_main, gone_splash);
    EXPECT_TRUE(g.errors.empty());
}

TEST(Splash, AHeldUpClockStillHandsOverAtTheFirstTick) {
    Guide g;
    g.start();
    g.clock.set(6000); // the program was held up past the hand-over
    g.app.run_due_timers();
    EXPECT_FALSE(g.loaded(ScreenId::splashBDD));
    EXPECT_TRUE(g.shown(ScreenId::Main001));
    EXPECT_EQ(std::ranges::count(g.desktop.journal(), std::string("show Interactive Grimveil v2")), 1);
    EXPECT_FALSE(g.app.next_timer_deadline()) << "nothing is left to tick";
    EXPECT_TRUE(g.errors.empty());
}

TEST(Splash, LettersKeepTheirPlaceAndTakeTheGlyphsWidth) {
    Guide g;
    g.start();
    g.advance(3500);
    const gv::Font* font = g.fonts.font(layouts::kMariageD36);
    ASSERT_NE(font, nullptr);
    for (const gv::ControlRecord& rec : layouts::kSplashControls) {
        if (rec.kind != gv::ControlKind::Label) continue;
        const gv::Control& c = g.control(ScreenId::splashBDD, rec.name);
        EXPECT_EQ(c.rect.x, gv::twips_to_pixels(rec.left)) << rec.name;
        EXPECT_EQ(c.rect.y, 192) << rec.name;
        EXPECT_EQ(c.rect.width, font->text_width(rec.caption)) << rec.name;
        EXPECT_EQ(c.rect.height, font->line_height()) << rec.name;
    }
    // The word reads CREATED from left to right.
    std::vector<std::pair<int, std::string_view>> by_left;
    for (auto name : kChain)
        by_left.push_back({ g.control(ScreenId::splashBDD, name).rect.x,
                            g.control(ScreenId::splashBDD, name).record->caption });
    std::sort(by_left.begin(), by_left.end());
    std::string word;
    for (auto& [left, letter] : by_left) word += letter;
    EXPECT_EQ(word, "CREATED");
}

TEST(Splash, TakesNoInput) {
    Guide g;
    g.start();
    g.advance(1200);
    g.click(512, 384);
    g.move_to(300, 300);
    g.click(221, 253);
    EXPECT_TRUE(g.shown(ScreenId::splashBDD));
    EXPECT_EQ(letters_shown(g), 2);
    g.advance(4300);
    EXPECT_FALSE(g.loaded(ScreenId::splashBDD)) << "the hand-over comes from the timer alone";
}

TEST(Splash, ShowsLettersInBlackOverTheLogo) {
    Guide g;
    g.start();
    const gv::Control& c = g.control(ScreenId::splashBDD, "txtD");
    const gv::Rect r = c.screen_rect;
    auto dark_pixels = [&] {
        int n = 0;
        for (int y = r.y; y < r.bottom(); ++y)
            for (int x = r.x; x < r.right(); ++x)
                n += g.app.loaded(index_of(ScreenId::splashBDD))->surface().pixel(x, y) == gv::rgb(0, 0, 0);
        return n;
    };
    const int before = dark_pixels();
    g.advance(500);
    EXPECT_GT(dark_pixels(), before + 20) << "the C is drawn in black";
    EXPECT_LT(dark_pixels(), r.width * r.height) << "transparent: the logo shows around the glyph";
}

struct MainMenu : ::testing::Test {
    Guide g;
    void SetUp() override {
        g.start_at_main_menu();
        ASSERT_TRUE(g.shown(ScreenId::Main001));
    }
};

TEST_F(MainMenu, IsMaximisedWithArtworkTopLeftAndBlackBeyond) {
    auto w = g.window(ScreenId::Main001);
    EXPECT_EQ(w->frame, (gv::Rect { 0, 0, 1024, 768 }));
    EXPECT_EQ(w->state, WindowState::Maximized);
    EXPECT_TRUE(w->has_icon);
    EXPECT_EQ(g.desktop.taskbar(), std::vector<std::string> { "Interactive Grimveil v2" });
    EXPECT_EQ(g.desktop.pixel({ 900, 700 }), gv::rgb(0, 0, 0));
    EXPECT_EQ(g.desktop.pixel({ 1000, 300 }), gv::rgb(0, 0, 0));
    auto near = [](gv::Rgb c, int r, int gr, int b) {
        return std::abs(gv::red_of(c) - r) < 24 && std::abs(gv::green_of(c) - gr) < 24 &&
               std::abs(gv::blue_of(c) - b) < 24;
    };
    struct Case {
        int x, y, r, gr, b;
        const char* what;
    } cases[] = {
        { 799, 300, 114, 123, 182, "the right edge line" },
        { 400, 598, 114, 123, 182, "the bottom edge line" },
        { 860, 1, 114, 123, 182, "the top line runs on to column 867" },
        { 1, 700, 114, 123, 182, "the left line runs on to row 839" },
        { 50, 0, 180, 0, 3, "dark red around the top-left corner" },
        { 500, 168, 255, 108, 22, "the panel's orange top side" },
        { 500, 400, 7, 16, 73, "the dark navy panel" },
    };
    for (const Case& c : cases) EXPECT_TRUE(near(g.desktop.pixel({ c.x, c.y }), c.r, c.gr, c.b)) << c.what;
    EXPECT_EQ(g.desktop.pixel({ 868, 1 }), gv::rgb(0, 0, 0)) << "the top line ends at column 867";
}

TEST_F(MainMenu, ControlsLandWhereTheArtworkWantsThem) {
    struct Case {
        std::string_view name;
        gv::Rect at;
    } cases[] = {
        { "Top", { 2, -1, 141, 195 } },
        { "Skull01", { 200, 8, 100, 113 } },
        { "Title001", { 320, 8, 347, 94 } },
        { "Skull02", { 696, 8, 100, 113 } },
        { "Label1", { 224, 168, 550, 348 } },
        { "Menu", { 2, 152, 212, 383 } },
        { "ExitMinumize", { 0, 539, 140, 59 } },
        { "Picture5", { 0, 0, 116, 2 } },
        { "Picture4", { 0, 0, 2, 188 } },
        { "BorderBottom", { 296, 516, 396, 2 } },
        // hot-spots, over the painted words
        { "ClickMoves", { 18, 228, 121, 20 } },
        { "ClickSecrets", { 10, 264, 129, 20 } },
        { "ClickLinks", { 10, 296, 129, 20 } },
        { "ClickCredits", { 18, 332, 121, 20 } },
        { "ClickContacting", { 18, 367, 129, 20 } },
        { "ClickMinumize", { 8, 552, 121, 17 } },
        // Positions round per control, relative to the parent: 8080 twips -> 539
        // for the artwork, then 550 -> 37 inside it, so 576 (not 8630 / 15 = 575).
        { "ClickExit", { 8, 576, 121, 17 } },
    };
    for (const Case& c : cases) EXPECT_EQ(g.control(ScreenId::Main001, c.name).screen_rect, c.at) << c.name;
    EXPECT_EQ(g.control(ScreenId::Main001, "Label2").screen_rect.origin(), (gv::Point { 320, 176 }));
    for (auto [name, y] : { std::pair { "Label3", 200 },
                            { "Label4", 216 },
                            { "Label6", 232 },
                            { "Label5", 248 },
                            { "Label8", 264 } }) {
        const gv::Rect r = g.control(ScreenId::Main001, name).screen_rect;
        EXPECT_EQ(r.origin(), (gv::Point { 336, y })) << name;
        EXPECT_EQ(r.height, 15) << name;
        EXPECT_EQ(r.width, 8 * int(g.control(ScreenId::Main001, name).record->caption.size())) << name;
    }
}

TEST_F(MainMenu, ClicksOutsideTheHotSpotsDoNothing) {
    for (gv::Point p : { gv::Point { 400, 50 },
                         { 250, 60 },
                         { 500, 300 },
                         { 60, 100 },
                         { 180, 400 },
                         { 135, 545 },
                         { 900, 700 },
                         { 150, 560 } })
        g.click(p.x, p.y);
    EXPECT_EQ(g.loaded_screens(), std::vector<ScreenId> { ScreenId::Main001 });
    EXPECT_EQ(g.state(ScreenId::Main001), WindowState::Maximized);
    EXPECT_TRUE(g.errors.empty());
}

TEST_F(MainMenu, ExitUnloadsEverythingAndEndsTheProgram) {
    g.click_control(ScreenId::Main001, "ClickExit");
    EXPECT_TRUE(g.loaded_screens().empty());
    EXPECT_TRUE(g.app.finished());
    EXPECT_TRUE(g.desktop.windows().empty());
}

TEST_F(MainMenu, MinimiseThenRestoreFromTheTaskbarMaximisesAgain) {
    g.click_control(ScreenId::Main001, "ClickMinumize");
    EXPECT_EQ(g.state(ScreenId::Main001), WindowState::Minimized);
    EXPECT_EQ(g.window(ScreenId::Main001)->state, WindowState::Minimized);
    EXPECT_EQ(g.desktop.window_at({ 500, 400 }), std::nullopt) << "a minimised screen is not drawn";
    EXPECT_FALSE(g.app.finished());
    g.desktop.restore_from_taskbar(index_of(ScreenId::Main001));
    EXPECT_EQ(g.state(ScreenId::Main001), WindowState::Maximized);
    EXPECT_EQ(g.window(ScreenId::Main001)->frame, (gv::Rect { 0, 0, 1024, 768 }));
    g.click_control(ScreenId::Main001, "ClickExit");
    EXPECT_TRUE(g.app.finished());
}

// The window system closes a window, by request or by another client
// destroying it: the main menu leaves the program as its exit entry does,
// any other screen goes alone and the rest keep working.
TEST(WindowSystemClosing, MainMenuEndsTheProgramAndOthersGoAlone) {
    using Act = void (gv::HeadlessDesktop::*)(int);
    using enum ScreenId;
    const std::pair<Act, const char*> acts[] = { { &gv::HeadlessDesktop::request_close, "close request" },
                                                 { &gv::HeadlessDesktop::destroy_from_outside,
                                                   "outside destroy" } };
    const ScreenId targets[] = { Main001, FirstFighterPage, Moves001, Secrets001, MovesLoading };
    for (auto [act, what] : acts) {
        for (ScreenId target : targets) {
            Guide g;
            g.start_at_main_menu();
            g.click_control(Main001, "ClickMoves");
            g.advance(1000);
            g.move_onto(Moves001, "imgVorsk"); // the first page's fighter
            g.click_control(Moves001, "imgVorskS");
            g.click_control(Main001, "ClickSecrets");
            std::vector<ScreenId> before = g.loaded_screens();
            ASSERT_EQ(before, (std::vector<ScreenId> { Main001, MovesLoading, Moves001, FirstFighterPage,
                                                       Secrets001 }));
            const std::string where =
                std::string(what) + " on " + std::string(kScreenNames[index_of(target)]);

            (g.desktop.*act)(index_of(target));
            for (std::size_t i = 0; i < kScreenCount; ++i)
                EXPECT_EQ(g.app.loaded(gv::ScreenIndex(i)) != nullptr, g.desktop.window(int(i)).has_value())
                    << where << ": " << kScreenNames[i] << " has a window exactly when it is loaded";
            EXPECT_TRUE(g.errors.empty()) << where;
            if (target == Main001) {
                EXPECT_TRUE(g.app.finished()) << where;
                EXPECT_FALSE(g.app.next_timer_deadline()) << where;
                continue;
            }
            std::erase(before, target);
            EXPECT_EQ(g.loaded_screens(), before) << where;
            g.click_control(Main001, "ClickCredits");
            EXPECT_TRUE(g.shown(Credits001)) << where << ": the main menu still answers";
            g.advance(1000);
            EXPECT_TRUE(g.shown(Moves001)) << where << ": the notice's tick shows a grid";
            for (ScreenId id : g.loaded_screens()) {
                if (!g.shown(id)) continue;
                EXPECT_TRUE(presented_is_fresh_paint(g.desktop, *g.app.loaded(index_of(id)), index_of(id)))
                    << where;
            }
        }
    }
}

TEST(MainMenuOnALargerDisplay, CoversItAllAndKeepsTheArtworkTopLeft) {
    Guide g({ 1280, 1024 });
    g.start_at_main_menu();
    EXPECT_EQ(g.window(ScreenId::Main001)->frame, (gv::Rect { 0, 0, 1280, 1024 }));
    EXPECT_EQ(g.desktop.pixel({ 1200, 900 }), gv::rgb(0, 0, 0));
    EXPECT_NE(g.desktop.pixel({ 1, 830 }), gv::rgb(0, 0, 0)) << "the left line runs on to row 839";
    EXPECT_EQ(g.desktop.pixel({ 1, 845 }), gv::rgb(0, 0, 0));
    g.click(68, 583);
    EXPECT_TRUE(g.app.finished());
}

} // namespace
} // namespace grimveil::testing
