// The secrets ring and the contact, links and credits pages, opened from the
// main menu.
#include "Fixtures.h"
#include "Harness.h"

#include "layouts/InfoLayout.h"
#include "layouts/SecretsLayout.h"

#include "framework/Twips.h"

#include <gtest/gtest.h>

namespace grimveil::testing {
namespace {

using gv::WindowState;

struct Pages : ::testing::Test {
    Guide g;
    void SetUp() override {
        g.start_at_main_menu();
        ASSERT_TRUE(g.shown(ScreenId::Main001));
    }
    // Clicks a control of a page at its centre, in its own window, even
    // where another window covers it.
    void click_on(ScreenId id, std::string_view control) {
        const gv::Rect r = g.control(id, control).visible_rect;
        click_at(id, { r.x + r.width / 2, r.y + r.height / 2 });
    }
    void click_at(ScreenId id, gv::Point p) {
        g.app.window_mouse_move(index_of(id), p);
        g.app.window_mouse_button(index_of(id), p, gv::MouseButton::Primary, true);
        g.app.window_mouse_button(index_of(id), p, gv::MouseButton::Primary, false);
    }
    void menu(std::string_view entry) { click_on(ScreenId::Main001, entry); }
    std::vector<ScreenId> secrets_shown() const {
        std::vector<ScreenId> out;
        for (ScreenId id : { ScreenId::Secrets001, ScreenId::Secrets002, ScreenId::Secrets003 })
            if (g.shown(id)) out.push_back(id);
        return out;
    }
};

TEST_F(Pages, SecretsRingGoesRoundBothWays) {
    menu("ClickSecrets");
    ASSERT_EQ(secrets_shown(), std::vector { ScreenId::Secrets001 });
    const ScreenId next_of[] = { ScreenId::Secrets002, ScreenId::Secrets003, ScreenId::Secrets001 };
    ScreenId at = ScreenId::Secrets001;
    for (int i = 0; i < 3; ++i) {
        click_on(at, "Next");
        at = next_of[int(at) - int(ScreenId::Secrets001)];
        EXPECT_EQ(secrets_shown(), std::vector { at })
            << "Next " << i + 1 << ": the clicked page is unloaded";
        EXPECT_EQ(g.loaded_screens().size(), 2u) << "the main menu and one page";
    }
    EXPECT_EQ(at, ScreenId::Secrets001);
    click_on(at, "Previous");
    EXPECT_EQ(secrets_shown(), std::vector { ScreenId::Secrets003 }) << "Previous from page 1 is page 3";
    click_on(ScreenId::Secrets003, "Previous");
    click_on(ScreenId::Secrets002, "Previous");
    EXPECT_EQ(secrets_shown(), std::vector { ScreenId::Secrets001 });
    // Between the two steps both pages were loaded: the target shows first.
    const auto& j = g.desktop.journal();
    const std::string page2(layouts::kSecrets002Caption.view());
    EXPECT_NE(std::find(j.begin(), j.end(), "show " + page2), j.end());
    EXPECT_TRUE(g.errors.empty());
}

TEST_F(Pages, AnArrowOntoALoadedPageKeepsItAsItIs) {
    menu("ClickSecrets");
    click_on(ScreenId::Secrets001, "Next"); // page 2 alone
    gv::Screen* page2 = g.app.loaded(index_of(ScreenId::Secrets002));
    // A mark on the loaded copy that a rebuild would lose.
    page2->set_control_visible(gv::control_index(page2->layout().controls, "Label6"), false);
    menu("ClickSecrets"); // page 1 fresh beside page 2
    ASSERT_EQ(secrets_shown(), (std::vector { ScreenId::Secrets001, ScreenId::Secrets002 }));
    click_on(ScreenId::Secrets001, "Next");
    EXPECT_EQ(secrets_shown(), std::vector { ScreenId::Secrets002 }) << "no second copy; page 1 closes";
    EXPECT_FALSE(g.control(ScreenId::Secrets002, "Label6").visible) << "not rebuilt";
}

TEST_F(Pages, AfterMinimiseAnArrowLeavesItsTargetMinimised) {
    menu("ClickMinumize");
    for (ScreenId id : { ScreenId::Secrets001, ScreenId::Secrets002, ScreenId::Secrets003,
                         ScreenId::Contact001, ScreenId::Links001, ScreenId::Credits001 }) {
        ASSERT_TRUE(g.loaded(id));
        EXPECT_EQ(g.state(id), WindowState::Minimized);
    }
    g.advance(2000);
    g.app.window_state_changed(index_of(ScreenId::Main001), WindowState::Maximized);
    menu("ClickSecrets");
    ASSERT_TRUE(g.shown(ScreenId::Secrets001));
    EXPECT_EQ(g.state(ScreenId::Secrets001), WindowState::Normal) << "opened fresh";
    click_on(ScreenId::Secrets001, "Next");
    EXPECT_FALSE(g.loaded(ScreenId::Secrets001));
    EXPECT_EQ(g.state(ScreenId::Secrets002), WindowState::Minimized);
    menu("ClickExit");
    EXPECT_TRUE(g.app.finished());
}

// Each page's close hot-spot closes that page alone; a click beside it, on
// the rows or on the title does nothing.
TEST_F(Pages, CloseHotSpotsCloseOnlyTheirOwnPage) {
    struct Case {
        std::string_view entry;
        ScreenId page;
        gv::Point close;                // a pixel inside the visible hot-spot
        std::vector<gv::Point> nothing; // pixels that do nothing
    } cases[] = {
        { "ClickSecrets",
          ScreenId::Secrets001,
          { 611, 32 },
          { { 583, 5 }, { 600, 33 }, { 100, 90 }, { 300, 300 } } },
        { "ClickContacting",
          ScreenId::Contact001,
          { 648, 0 },
          { { 647, 5 }, { 660, 33 }, { 60, 68 }, { 20, 20 } } },
        { "ClickLinks",
          ScreenId::Links001,
          { 680, 32 },
          { { 647, 5 }, { 660, 33 }, { 60, 68 }, { 100, 132 } } },
        { "ClickCredits",
          ScreenId::Credits001,
          { 660, 20 },
          { { 647, 5 }, { 660, 33 }, { 60, 60 }, { 100, 125 } } },
    };
    for (const Case& c : cases) menu(c.entry);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.entry));
        ASSERT_TRUE(g.shown(c.page));
        for (gv::Point p : c.nothing) {
            click_at(c.page, p);
            EXPECT_TRUE(g.shown(c.page)) << "a click at " << p;
        }
        const auto before = g.loaded_screens().size();
        click_at(c.page, c.close);
        EXPECT_FALSE(g.loaded(c.page));
        EXPECT_EQ(g.loaded_screens().size(), before - 1) << "the others stay";
        EXPECT_TRUE(g.shown(ScreenId::Main001));
    }
    EXPECT_TRUE(g.errors.empty());
}

TEST_F(Pages, TheSecretsCloseHotSpotIsCutAtTheWindowsEdge) {
    menu("ClickSecrets");
    const gv::Control& close = g.control(ScreenId::Secrets001, "ClickerExit");
    EXPECT_EQ(close.rect, (gv::Rect { 584, 0, 33, 33 }));
    EXPECT_GT(close.rect.right(), 612) << "it reaches past the right edge; clicks come only from inside";
    EXPECT_EQ(g.window(ScreenId::Secrets001)->frame, (gv::Rect { 206, 154, 612, 460 })) << "centred";
}

TEST_F(Pages, OpeningAnOpenPageGivesOneFreshCopy) {
    for (std::string_view entry : { "ClickLinks", "ClickCredits", "ClickContacting", "ClickSecrets" }) {
        menu(entry);
        const auto windows = g.desktop.windows().size();
        menu(entry);
        EXPECT_EQ(g.desktop.windows().size(), windows) << entry << ": one page, not two";
    }
    EXPECT_EQ(g.loaded_screens().size(), 5u);
}

TEST_F(Pages, ContactGoesToTheDefaultPlaceTheOthersAreCentred) {
    menu("ClickContacting");
    const gv::Rect first = g.window(ScreenId::Contact001)->frame;
    menu("ClickContacting");
    const gv::Rect second = g.window(ScreenId::Contact001)->frame;
    EXPECT_NE(first.origin(), (gv::Point { 171, 202 })) << "not centred";
    EXPECT_EQ(first, (gv::Rect { 26, 26, 681, 364 })) << "near the top-left corner";
    EXPECT_EQ(second, (gv::Rect { 52, 52, 681, 364 })) << "the next new window cascades";
    EXPECT_EQ(g.window(ScreenId::Contact001)->title, "Form1");
    menu("ClickLinks");
    menu("ClickCredits");
    EXPECT_EQ(g.window(ScreenId::Links001)->frame, (gv::Rect { 171, 202, 681, 364 }));
    EXPECT_EQ(g.window(ScreenId::Credits001)->frame, (gv::Rect { 171, 202, 681, 364 }));
    EXPECT_EQ(g.window(ScreenId::Links001)->title, "");
    EXPECT_EQ(g.window(ScreenId::Credits001)->title,
              "[ Interactive Grimveil ] - [ Credits ] - [ version 1.0.4 ]");
    for (ScreenId id : { ScreenId::Contact001, ScreenId::Links001, ScreenId::Credits001 })
        EXPECT_FALSE(g.window(id)->taskbar_button);
}

TEST(CascadePlace, StepsDownAndStartsOverBeforeLeavingTheDisplay) {
    EXPECT_EQ(gv::cascade_place({ 1024, 768 }, { 681, 364 }, 0), (gv::Point { 26, 26 }));
    EXPECT_EQ(gv::cascade_place({ 1024, 768 }, { 681, 364 }, 7), (gv::Point { 208, 208 }));
    EXPECT_EQ(gv::cascade_place({ 1024, 768 }, { 681, 364 }, 8), (gv::Point { 26, 26 }));
    EXPECT_EQ(gv::cascade_place({ 800, 600 }, { 681, 364 }, 4), (gv::Point { 26, 26 }))
        << "only four places fit across";
    EXPECT_EQ(gv::cascade_place({ 640, 480 }, { 681, 364 }, 2), (gv::Point { 0, 26 }))
        << "too wide: at the edge";
}

// The rows as they come out on screen with the substitute fonts.
TEST_F(Pages, RowsLandByTheirRulesAndFitTheirBoxes) {
    menu("ClickLinks");
    menu("ClickCredits");
    for (ScreenId id : { ScreenId::Links001, ScreenId::Credits001 }) {
        const gv::Screen& s = *g.app.loaded(index_of(id));
        SCOPED_TRACE(std::string(s.name()));
        for (const gv::Control& c : s.controls()) {
            if (!c.name().starts_with("Label")) continue;
            const gv::ControlRecord& r = *c.record;
            EXPECT_LE(int(c.lines.size()) * 15, gv::twips_to_pixels(r.height) + 2)
                << "not cut: " << r.caption;
            if (r.fore_color.value == 0x00E0E0E0) {
                EXPECT_TRUE(r.caption.starts_with(": ")) << r.caption;
            } else {
                // The remark on the same Top starts where the name's text ends.
                const gv::Control* remark = nullptr;
                for (const gv::Control& o : s.controls())
                    if (&o != &c && o.record->top == r.top && o.name().starts_with("Label")) remark = &o;
                ASSERT_NE(remark, nullptr) << r.caption;
                EXPECT_EQ(remark->record->left, 120 + 120 * gv::displayed_length(r.caption)) << r.caption;
                EXPECT_EQ(c.lines.size(), 1u);
            }
            EXPECT_LE(r.left + c.lines.front().width * 15, 10215 - 120) << r.caption;
        }
    }
    menu("ClickContacting");
    const gv::Screen& contact = *g.app.loaded(index_of(ScreenId::Contact001));
    for (auto [name, remark] :
         { std::pair { "Label1", "Label4" }, { "Label2", "Label5" }, { "Label3", "Label6" } }) {
        const gv::Control& n = *contact.find(name);
        const gv::Control& r = *contact.find(remark);
        EXPECT_EQ(n.rect.y, r.rect.y);
        EXPECT_LE(n.rect.right(), r.rect.x) << name << " ends before its remark";
        EXPECT_GE(n.rect.right() + 2, r.rect.x) << "and the remark follows it closely";
        EXPECT_TRUE(r.record->caption.starts_with("- "));
    }
}

TEST_F(Pages, SecretsParagraphsFitAndRulesReachPastTheEdge) {
    menu("ClickSecrets");
    const gv::Screen& s = *g.app.loaded(index_of(ScreenId::Secrets001));
    for (std::string_view name : { "Label1", "Label2", "Label3", "Label4", "Label5" }) {
        const gv::Control& c = *s.find(name);
        ASSERT_NE(c.font, nullptr);
        EXPECT_GE(c.lines.size(), 2u) << name << " fills its box";
        EXPECT_LE(int(c.lines.size()) * c.font->line_height(), c.rect.height) << name << " is not cut";
        if (name != "Label1") {
            EXPECT_TRUE(c.record->caption.ends_with("[cheat menu must be enabled]")) << name;
        }
    }
    for (std::string_view name : { "Label6", "Label7", "Label8", "Label9" }) {
        const gv::Control& c = *s.find(name);
        EXPECT_EQ(c.rect.height, 1);
        EXPECT_GT(c.rect.right(), 612) << "past the window's edge";
        for (int x : { 0, 300, 611 })
            EXPECT_EQ(s.surface().pixel(x, c.rect.y), gv::rgb(192, 192, 192)) << name << " at " << x;
    }
    // Rows of pages 2 and 3 stay inside the window on one line.
    click_on(ScreenId::Secrets001, "Next");
    click_on(ScreenId::Secrets002, "Next");
    click_on(ScreenId::Secrets003, "Next");
    for (ScreenId id : { ScreenId::Secrets002, ScreenId::Secrets003 }) {
        ASSERT_TRUE(g.app.show(index_of(id)));
        const gv::Screen& p = *g.app.loaded(index_of(id));
        int rows = 0, last_top = 0;
        for (const gv::Control& c : p.controls()) {
            if (!c.name().starts_with("Label")) continue;
            ++rows;
            last_top = std::max(last_top, c.record->top);
            EXPECT_LT(c.rect.right(), 600) << c.record->caption;
        }
        EXPECT_EQ(rows, id == ScreenId::Secrets002 ? 15 : 14);
        EXPECT_EQ(last_top, id == ScreenId::Secrets002 ? 6480 : 6360);
    }
}

TEST(SecretsLayouts, CodeRowsHaveTheirNamesAndOrder) {
    auto top_down = [](std::span<const gv::ControlRecord> controls) {
        std::vector<std::pair<int, std::string_view>> rows;
        for (const gv::ControlRecord& c : controls)
            if (c.name.starts_with("Label")) rows.push_back({ c.top, c.name });
        std::sort(rows.begin(), rows.end());
        std::vector<std::string_view> names;
        for (auto& [top, name] : rows) names.push_back(name);
        return names;
    };
    EXPECT_EQ(top_down(layouts::kSecrets002Controls),
              (std::vector<std::string_view> { "Label6", "Label8", "Label18", "Label20", "Label9", "Label11",
                                               "Label13", "Label7", "Label10", "Label12", "Label14",
                                               "Label15", "Label16", "Label17", "Label19" }));
    EXPECT_EQ(top_down(layouts::kSecrets003Controls),
              (std::vector<std::string_view> { "Label1", "Label2", "Label3", "Label4", "Label5", "Label21",
                                               "Label22", "Label23", "Label24", "Label25", "Label27",
                                               "Label28", "Label26", "Label29" }));
    EXPECT_EQ(layouts::kSecrets003Controls[5].name, "Label29");
    EXPECT_EQ(layouts::kSecrets003Controls[6].name, "Label1");
    EXPECT_EQ(layouts::kSecrets002Controls[5].name, "Label20");
    EXPECT_EQ(layouts::kLinks001Controls[8].name, "ClickClose");
    EXPECT_EQ(layouts::kCredits001Controls[9].name, "ClickClose");
}

} // namespace
} // namespace grimveil::testing

namespace grimveil::testing {
namespace {

// A close request from the window system (a key combination, the task bar):
// on a page it closes that page; on the main menu, the hub and the only
// screen with a task-bar button, it leaves the program as the exit entry does.
TEST_F(Pages, CloseRequestsClosePagesAndTheMainMenuEndsTheProgram) {
    menu("ClickSecrets");
    menu("ClickCredits");
    menu("ClickMoves");
    g.advance(1000);
    ASSERT_TRUE(g.shown(ScreenId::Moves001));
    g.app.window_close_requested(index_of(ScreenId::Credits001));
    EXPECT_FALSE(g.loaded(ScreenId::Credits001));
    EXPECT_TRUE(g.shown(ScreenId::Secrets001));
    EXPECT_TRUE(g.shown(ScreenId::Main001));
    g.app.window_close_requested(index_of(ScreenId::Moves001));
    EXPECT_FALSE(g.loaded(ScreenId::Moves001));
    EXPECT_TRUE(g.loaded(ScreenId::MovesLoading)) << "the grid's own timer would have closed the notice";
    EXPECT_FALSE(g.app.finished());
    g.app.window_close_requested(index_of(ScreenId::Main001));
    EXPECT_TRUE(g.loaded_screens().empty());
    EXPECT_TRUE(g.app.finished());
    EXPECT_FALSE(g.app.next_timer_deadline().has_value()) << "the notice's timer stopped too";
    EXPECT_TRUE(g.errors.empty());
}

} // namespace
} // namespace grimveil::testing
