// The fighter roster, the loading notice and the selection grid.
#include "Harness.h"

#include "layouts/Roster.h"
#include "layouts/SelectionLayout.h"

#include <gtest/gtest.h>

#include <random>

namespace grimveil::testing {
namespace {

using gv::WindowState;
using layouts::kFighterNames;
using layouts::kFighters;
using layouts::kRoster;

TEST(Roster, NamesAndOrdersFollowTheRules) {
    EXPECT_EQ(kScreenNames[page_of(layouts::fighter_on_page(1))], "MovesVorsk");
    EXPECT_EQ(kRoster.front().name, "Omberl") << "grid order starts top-left";
    const auto& vorsk = kFighterNames[4];
    EXPECT_EQ(vorsk.page_caption.view(), "[ Interactive Grimveil ] - [ Vorsk ] - [ version 2.0.0 ]");
    EXPECT_EQ(kFighterNames[0].page_caption.view(),
              "[ Interactive Grimveil ] - [ Omberl ] - [ version 1.0.0 ]");
    EXPECT_EQ(vorsk.highlight_asset.view(), "Moves001_imgVorskS");
    int version_two = 0;
    for (const auto& f : kRoster) version_two += f.page_version == "2.0.0";
    EXPECT_EQ(version_two, 2) << "Vorsk and Tamsel";
}

int highlighted(const Guide& g) {
    return highlighted_fighter(*g.app.loaded(index_of(ScreenId::Moves001)));
}

int grid_index(std::string_view fighter) {
    for (int f = 0; f < kFighters; ++f)
        if (kRoster[f].name == fighter) return f;
    return -1;
}

struct Selection : ::testing::Test {
    Guide g;
    gv::Rect frame;
    void SetUp() override {
        g.start_at_main_menu();
        g.click_control(ScreenId::Main001, "ClickMoves");
        g.advance(1000);
        ASSERT_TRUE(g.shown(ScreenId::Moves001));
        frame = g.window(ScreenId::Moves001)->frame;
    }
    // A point of the selection window, in its own client pixels.
    void move(int x, int y) { g.move_to(frame.x + x, frame.y + y); }
    void click(int x, int y) { g.click(frame.x + x, frame.y + y); }
    std::string_view hit(int x, int y) const {
        const gv::Screen& s = *g.app.loaded(index_of(ScreenId::Moves001));
        int i = s.control_at({ x, y });
        return i == gv::kForm ? "Form" : s.controls()[i].name();
    }
    gv::Rect rect_of(std::string_view name) const { return g.control(ScreenId::Moves001, name).visible_rect; }
};

TEST(SelectionOpening, NoticeThenGridThenNoticeGone) {
    Guide g;
    g.start_at_main_menu();
    g.advance(700); // t = 6200
    g.click_control(ScreenId::Main001, "ClickMoves");
    auto notice = g.window(ScreenId::MovesLoading);
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->shown);
    EXPECT_EQ(notice->frame, (gv::Rect { 278, 354, 467, 59 })) << "centred";
    EXPECT_FALSE(g.loaded(ScreenId::Moves001));
    g.advance(999);
    EXPECT_FALSE(g.loaded(ScreenId::Moves001));
    g.advance(1);
    ASSERT_TRUE(g.shown(ScreenId::Moves001));
    auto grid = g.window(ScreenId::Moves001);
    EXPECT_EQ(grid->frame, (gv::Rect { 311, 202, 401, 364 })) << "centred";
    EXPECT_EQ(grid->title, "[ Grimveil Interactive: Selection Screen ] - [ version 1.0.0 ]");
    EXPECT_TRUE(grid->has_icon);
    EXPECT_FALSE(grid->taskbar_button);
    EXPECT_EQ(g.desktop.windows().back().tag, index_of(ScreenId::Moves001)) << "in front of the notice";
    EXPECT_EQ(highlighted(g), -1);
    g.advance(1000); // the notice's second tick changes nothing
    EXPECT_TRUE(g.shown(ScreenId::MovesLoading));
    g.advance(499);
    EXPECT_TRUE(g.loaded(ScreenId::MovesLoading));
    g.advance(1);
    EXPECT_FALSE(g.loaded(ScreenId::MovesLoading)) << "the grid's timer unloads the notice at 2.5 s";
    g.advance(6000);
    EXPECT_TRUE(g.shown(ScreenId::Moves001)) << "later ticks of the grid's timer change nothing";
    EXPECT_TRUE(g.errors.empty());
}

TEST(SelectionOpening, GridClosedWhileTheNoticeIsLoadedComesBackFresh) {
    Guide g;
    g.start_at_main_menu();
    g.click_control(ScreenId::Main001, "ClickMoves");
    g.advance(1200);
    g.move_onto(ScreenId::Moves001, "imgVorsk");
    ASSERT_EQ(highlighted(g), grid_index("Vorsk"));
    g.click_control(ScreenId::Moves001, "ClickClose");
    EXPECT_FALSE(g.loaded(ScreenId::Moves001));
    g.advance(800); // the notice's second tick
    ASSERT_TRUE(g.shown(ScreenId::Moves001));
    EXPECT_EQ(highlighted(g), -1) << "a fresh copy has no highlight";
    g.advance(1499);
    EXPECT_TRUE(g.loaded(ScreenId::MovesLoading));
    g.advance(1);
    EXPECT_FALSE(g.loaded(ScreenId::MovesLoading));
}

TEST(SelectionOpening, ChoosingCharacterMovesAgainKeepsTheNoticesSchedule) {
    Guide g;
    g.start_at_main_menu();
    g.click_control(ScreenId::Main001, "ClickMoves");
    g.advance(500);
    g.click_control(ScreenId::Main001, "ClickMoves"); // the notice is shown; it stays
    g.advance(500);
    EXPECT_TRUE(g.shown(ScreenId::Moves001)) << "the tick came one second after the first choice";
    g.advance(200);
    g.click_control(ScreenId::Main001, "ClickMoves"); // unloads the grid the notice showed
    EXPECT_FALSE(g.loaded(ScreenId::Moves001));
    EXPECT_TRUE(g.shown(ScreenId::MovesLoading));
    g.advance(800);
    EXPECT_TRUE(g.shown(ScreenId::Moves001)) << "the notice's next tick shows a fresh grid";
    g.advance(1500);
    EXPECT_FALSE(g.loaded(ScreenId::MovesLoading));
}

TEST(SelectionOpening, MinimiseRightAfterStartLoadsEveryListedScreenHidden) {
    Guide g;
    g.start_at_main_menu();
    g.click_control(ScreenId::Main001, "ClickMinumize");
    const auto loaded = g.loaded_screens();
    EXPECT_EQ(loaded.size(), kScreenCount - 1) << "every screen but the splash";
    for (ScreenId id : loaded) {
        EXPECT_EQ(g.state(id), WindowState::Minimized) << kScreenNames[index_of(id)];
        EXPECT_EQ(g.shown(id), id == ScreenId::Main001) << kScreenNames[index_of(id)];
        if (id != ScreenId::Main001) {
            EXPECT_EQ(g.app.loaded(index_of(id))->surface().size(), (gv::Size {}))
                << kScreenNames[index_of(id)] << " holds a surface while nobody has seen it";
        }
    }
    g.advance(1000);
    EXPECT_TRUE(g.shown(ScreenId::Moves001)) << "the notice's tick shows the grid...";
    EXPECT_EQ(g.window(ScreenId::Moves001)->state, WindowState::Minimized) << "...minimised";
    g.advance(500);
    EXPECT_FALSE(g.loaded(ScreenId::MovesLoading)) << "1.5 s after the walk";
    g.desktop.restore_from_taskbar(index_of(ScreenId::Main001));
    EXPECT_EQ(g.window(ScreenId::Main001)->frame, (gv::Rect { 0, 0, 1024, 768 }));
    EXPECT_EQ(g.state(ScreenId::Moves001), WindowState::Minimized) << "the others stay minimised";
    g.click_control(ScreenId::Main001, "ClickExit");
    EXPECT_TRUE(g.app.finished());
}

TEST(SelectionOpening, ExitWhileTheNoticeIsLoadedEndsTheProgram) {
    Guide g;
    g.start_at_main_menu();
    g.click_control(ScreenId::Main001, "ClickMoves");
    g.advance(1200);
    g.click_control(ScreenId::Main001, "ClickExit");
    EXPECT_TRUE(g.app.finished());
    EXPECT_FALSE(g.app.next_timer_deadline().has_value()) << "no timer ticks again";
}

TEST_F(Selection, HoverHighlightsOneFighterAndKeepsItOffThePortraits) {
    g.move_onto(ScreenId::Moves001, "imgOmberl");
    EXPECT_EQ(highlighted(g), grid_index("Omberl"));
    EXPECT_EQ(hit(rect_of("imgOmberl").x + 30, rect_of("imgOmberl").y + 30), "imgOmberlS")
        << "the highlight lies above its portrait";
    // Straight onto the neighbour: one handler moves the highlight.
    const gv::Rect ashvane = rect_of("imgAshvane");
    move(ashvane.x + 2, ashvane.y + 30);
    EXPECT_EQ(highlighted(g), grid_index("Ashvane"));

    // Leaving onto anything else keeps it.
    const gv::Rect spacer = rect_of("imgSpacer101"), blank = rect_of("imgBlank01"), top = rect_of("imgTop");
    for (gv::Point p : { gv::Point { spacer.x + 100, spacer.y + 1 },
                         { blank.x + 5, blank.y + 5 },
                         { top.x + 50, top.y + 5 },
                         { rect_of("imgRight").x + 3, 200 },
                         { 395, 362 } })
        move(p.x, p.y);
    g.move_to(100, 100); // off the window, onto the main menu
    EXPECT_EQ(highlighted(g), grid_index("Ashvane"));
}

TEST_F(Selection, ClicksOnTheFrameSpacersAndBlanksReset) {
    for (std::string_view target : { "imgTop", "imgBottom", "imgLeft", "imgRight", "imgSpacer103",
                                     "imgSpacer202", "imgBlank01", "imgBlank02" }) {
        g.move_onto(ScreenId::Moves001, "imgDrasque");
        ASSERT_EQ(highlighted(g), grid_index("Drasque"));
        const gv::Rect r = rect_of(target);
        click(r.x + 3, r.y + 3);
        EXPECT_EQ(highlighted(g), -1) << "a click on " << target << " resets";
    }
    // With nothing highlighted a reset changes nothing visible.
    const auto presents = g.window(ScreenId::Moves001)->presented_pixels;
    click(rect_of("imgLeft").x + 3, 100);
    EXPECT_EQ(g.window(ScreenId::Moves001)->presented_pixels, presents);
}

TEST_F(Selection, SelvoOverlapsTheSpacerByLayoutOrder) {
    const gv::Rect selvo = rect_of("imgSelvo");
    const gv::Rect spacer = rect_of("imgSpacer102");
    ASSERT_EQ(selvo.y, spacer.bottom() - 1) << "Top 2290 puts Selvo one pixel into the spacer";
    const int x = selvo.x + 30, y = selvo.y;
    EXPECT_EQ(hit(x, y), "imgSpacer102") << "the spacer lies above the portrait";
    move(x, y);
    EXPECT_EQ(highlighted(g), -1) << "so a move there does not highlight Selvo";
    move(x, y + 5);
    EXPECT_EQ(highlighted(g), grid_index("Selvo"));
    EXPECT_EQ(hit(x, y), "imgSelvoS") << "the highlight lies above the spacer";
    EXPECT_EQ(g.desktop.pixel({ frame.x + x, frame.y + y }), gv::rgb(255, 0, 0))
        << "its outer ring shows there";
}

TEST_F(Selection, CloseHotSpotTakesClicksOnlyInsideTheTopBar) {
    const gv::Rect close = rect_of("ClickClose");
    const gv::Rect top = g.control(ScreenId::Moves001, "imgTop").visible_rect;
    EXPECT_EQ(close.bottom(), top.bottom()) << "cut to the top bar";
    EXPECT_EQ(close.height, 24);
    EXPECT_EQ(hit(close.x + 3, close.bottom()), "imgRight") << "the hot-spot's last row lies below the bar";
    click(close.x + 3, close.bottom());
    EXPECT_TRUE(g.loaded(ScreenId::Moves001));
    click(close.x + 3, close.y + 3);
    EXPECT_FALSE(g.loaded(ScreenId::Moves001));
}

TEST_F(Selection, GotoMainShowsTheMainMenuAndCloses) {
    g.click_control(ScreenId::Moves001, "gotoMain");
    EXPECT_FALSE(g.loaded(ScreenId::Moves001));
    EXPECT_TRUE(g.shown(ScreenId::Main001));
    EXPECT_EQ(g.state(ScreenId::Main001), WindowState::Maximized);
}

TEST_F(Selection, HighlightClickOpensAFreshPageAndOthersStayOpen) {
    g.move_onto(ScreenId::Moves001, "imgVorsk");
    g.click_control(ScreenId::Moves001, "imgVorskS");
    const ScreenId vorsk = page_screen(kRoster[grid_index("Vorsk")]);
    ASSERT_TRUE(g.shown(vorsk));
    auto page = g.window(vorsk);
    EXPECT_EQ(page->title, "[ Interactive Grimveil ] - [ Vorsk ] - [ version 2.0.0 ]");
    EXPECT_EQ(page->frame, (gv::Rect { 171, 202, 681, 364 }));
    EXPECT_EQ(g.desktop.pixel({ 500, 300 }), gv::rgb(0, 0, 0)) << "a black page, in front";
    EXPECT_EQ(highlighted(g), grid_index("Vorsk")) << "the grid keeps its highlight";

    // The page covers the grid; deliver the next clicks to the grid's window.
    auto click_grid = [&](std::string_view control) {
        const gv::Rect r = rect_of(control);
        const gv::Point p { r.x + r.width / 2, r.y + r.height / 2 };
        g.app.window_mouse_move(index_of(ScreenId::Moves001), p);
        g.app.window_mouse_button(index_of(ScreenId::Moves001), p, gv::MouseButton::Primary, true);
        g.app.window_mouse_button(index_of(ScreenId::Moves001), p, gv::MouseButton::Primary, false);
    };
    click_grid("imgOmberl");
    const ScreenId omberl = page_screen(kRoster[grid_index("Omberl")]);
    ASSERT_TRUE(g.shown(omberl));
    const auto journal_before = g.desktop.journal().size();
    click_grid("imgVorsk");
    EXPECT_TRUE(g.shown(vorsk));
    EXPECT_TRUE(g.shown(omberl)) << "other pages stay open";
    const std::vector<std::string> reopened(g.desktop.journal().begin() + long(journal_before),
                                            g.desktop.journal().end());
    const std::string caption(kFighterNames[grid_index("Vorsk")].page_caption.view());
    // The old window goes once the handler's picture is out, after the new one shows.
    EXPECT_EQ(reopened,
              (std::vector<std::string> { "create " + caption, "show " + caption, "destroy " + caption }))
        << "an open page is closed and opened again";
    EXPECT_EQ(
        std::ranges::count_if(g.desktop.windows(), [&](const auto& w) { return w.tag == index_of(vorsk); }),
        1)
        << "one window of the page is left";
    EXPECT_EQ(g.desktop.windows().back().tag, index_of(vorsk)) << "and comes up in front";
}

TEST_F(Selection, PageCloseHotSpotCoversTheTopRightCorner) {
    g.move_onto(ScreenId::Moves001, "imgPallira");
    g.click_control(ScreenId::Moves001, "imgPalliraS");
    const ScreenId pallira = page_screen(kRoster[grid_index("Pallira")]);
    const gv::Rect f = g.window(pallira)->frame;
    for (gv::Point miss : { gv::Point { 647, 5 }, { 660, 33 } }) {
        g.click(f.x + miss.x, f.y + miss.y);
        EXPECT_TRUE(g.shown(pallira)) << "a click beside the close mark at " << miss.x << ", " << miss.y;
    }
    g.click(f.x + 680, f.y + 32);
    EXPECT_FALSE(g.loaded(pallira));
    EXPECT_TRUE(g.shown(ScreenId::Moves001));
}

TEST_F(Selection, HoverRepaintsOnlyTheCellsThatChange) {
    auto presented = [&] { return g.window(ScreenId::Moves001)->presented_pixels; };
    const auto p0 = presented();
    g.move_onto(ScreenId::Moves001, "imgCorvath");
    EXPECT_EQ(presented() - p0, 67 * 61) << "the first highlight changes one cell";
    const auto p1 = presented();
    g.move_onto(ScreenId::Moves001, "imgThulmar");
    EXPECT_EQ(presented() - p1, 2 * 67 * 61) << "moving the highlight changes two cells";
}

TEST_F(Selection, InvariantHoldsThroughARandomWalk) {
    // Every event goes to the grid's own window, whatever covers it: the pages
    // its clicks open lie in front of it.
    const gv::ScreenIndex grid = index_of(ScreenId::Moves001);
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> x(0, frame.width - 1), y(0, frame.height - 1), kind(0, 9);
    std::vector<int> highlights(kFighters, 0);
    int resets = 0, pages_opened = 0;
    for (int step = 0; step < 3000; ++step) {
        const gv::Point at { x(random), y(random) };
        const std::string_view target = hit(at.x, at.y);
        const int before = highlighted(g);
        // Clicks that close the grid would end the walk early; those are moves.
        const bool click = kind(random) >= 7 && target != "ClickClose" && target != "gotoMain";
        if (click) {
            g.app.window_mouse_button(grid, at, gv::MouseButton::Primary, true);
            g.app.window_mouse_button(grid, at, gv::MouseButton::Primary, false);
        } else {
            g.app.window_mouse_move(grid, at);
        }
        ASSERT_TRUE(g.loaded(ScreenId::Moves001));
        const int after = highlighted(g);
        const std::string what =
            "step " + std::to_string(step) + (click ? ": click on " : ": move onto ") + std::string(target);
        ASSERT_NE(after, -2) << what;
        if (after >= 0) ++highlights[after];
        if (before >= 0 && after == -1) ++resets;
        const int fighter = [&] {
            for (int f = 0; f < kFighters; ++f)
                if (target == kFighterNames[f].portrait_tile.view() ||
                    target == kFighterNames[f].highlight_tile.view())
                    return f;
            return -1;
        }();
        if (!click && fighter >= 0 && target == kFighterNames[fighter].portrait_tile.view()) {
            ASSERT_EQ(after, fighter) << what << ": a move onto a portrait highlights its fighter";
        } else if (!click && target == "Form") {
            ASSERT_EQ(after, -1) << what << ": a move onto the bare screen resets";
        } else if (after != before) {
            ASSERT_EQ(after, -1) << what << ": nothing else moves the highlight, only a reset";
        }
        if (click && fighter >= 0 && target == kFighterNames[fighter].highlight_tile.view()) {
            const ScreenId page = page_screen(kRoster[fighter]);
            ASSERT_TRUE(g.shown(page)) << what << ": a click on the highlight opens the page";
            ++pages_opened;
        }
    }
    // The walk reached what it claims to test.
    for (int f = 0; f < kFighters; ++f)
        EXPECT_GT(highlights[f], 0) << kRoster[f].name << " never highlighted";
    EXPECT_GT(resets, 20);
    EXPECT_GT(pages_opened, 5);
    EXPECT_TRUE(g.errors.empty());
}

} // namespace
} // namespace grimveil::testing
