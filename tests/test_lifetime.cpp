// Screen instances: the three operations, fresh copies, timers, the end of
// the program and the error path, on a fixture program of three screens.
#include "Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace grimveil::testing {
namespace {

using namespace gv::steps;
using gv::Event;
using gv::WindowState;

constexpr gv::ScreenIndex kStart = 0, kB = 1, kC = 2;

constexpr gv::ControlRecord kStartControls[] = {
    hot_spot("SelfFirst", {}, 0, 0, 150, 150),
    hot_spot("Fail", {}, 150, 0, 150, 150),
    hot_spot("Flag", {}, 300, 0, 150, 150),
    hot_spot("PressHere", {}, 450, 0, 150, 150),
    { .kind = gv::ControlKind::Timer, .name = "Tick", .interval = 100, .enabled = false },
};
constexpr int s(std::string_view n) {
    return gv::control_index(kStartControls, n);
}
constexpr gv::Step kSelfFirst[] = { unload_screen(kStart), show_screen(kB) };
constexpr gv::Step kFail[] = { hide(s("Flag")), show_screen(kC), show_screen(kB) };
constexpr gv::Step kPressHere[] = { enable(s("Tick")) };
constexpr gv::Step kTick[] = { hide(s("Flag")) };
constexpr gv::Handler kStartHandlers[] = {
    { "Start_SelfFirst_Click", s("SelfFirst"), Event::Click, kSelfFirst },
    { "Start_Fail_Click", s("Fail"), Event::Click, kFail },
    { "Start_PressHere_Click", s("PressHere"), Event::Click, kPressHere },
    { "Start_Tick_Timer", s("Tick"), Event::Timer, kTick },
};
constexpr gv::ScreenLayout kStartLayout { .name = "Start",
                                          .caption = "Start",
                                          .back_color = { 0 },
                                          .client_width = 9000,
                                          .client_height = 3000,
                                          .controls = kStartControls };

constexpr gv::ControlRecord kBControls[] = {
    picture_box("Flag", {}, 0, 0, 150, 150),
    { .kind = gv::ControlKind::Timer, .name = "BTimer", .interval = 300 },
};
constexpr gv::Step kBTimer[] = { hide(gv::control_index(kBControls, "Flag")) };
constexpr gv::Handler kBHandlers[] = {
    { "B_BTimer_Timer", gv::control_index(kBControls, "BTimer"), Event::Timer, kBTimer },
};
constexpr gv::ScreenLayout kBLayout { .name = "B",
                                      .caption = "B",
                                      .back_color = { 0 },
                                      .client_width = 1500,
                                      .client_height = 1500,
                                      .controls = kBControls };

constexpr gv::ScreenLayout kCLayout { .name = "C",
                                      .caption = "C",
                                      .back_color = { 0 },
                                      .client_width = 1500,
                                      .client_height = 1500,
                                      .start_position = gv::StartPosition::WindowsDefault,
                                      .controls = {} };

const gv::ScreenDefinition kScreens[] = { { &kStartLayout, kStartHandlers },
                                          { &kBLayout, kBHandlers },
                                          { &kCLayout, {} } };

struct Lifetime : ::testing::Test {
    FixtureProgram program { kScreens };
    void SetUp() override {
        ASSERT_EQ(gv::validate_registry(kScreens), "");
        ASSERT_TRUE(program.app.start(kStart).is_ok());
    }
    gv::Application& app() { return program.app; }
    bool loaded(gv::ScreenIndex i) { return app().loaded(i) != nullptr; }
    bool shown(gv::ScreenIndex i) { return loaded(i) && app().loaded(i)->shown(); }
    void click_start(std::string_view control) {
        gv::Rect r = app().loaded(kStart)->find(control)->screen_rect;
        gv::Rect f = program.desktop.window(kStart)->frame;
        program.desktop.click({ f.x + r.x + 2, f.y + r.y + 2 });
    }
};

enum class Before { NotLoaded, LoadedHidden, Shown, ShownMinimized };
enum class Op { Show, Minimize, Unload, UserRestore };
struct After {
    bool loaded, shown;
    WindowState state;
};

TEST_F(Lifetime, TransitionTable) {
    struct Case {
        Before before;
        Op op;
        After after;
    } cases[] = {
        { Before::NotLoaded, Op::Show, { true, true, WindowState::Normal } },
        { Before::NotLoaded, Op::Minimize, { true, false, WindowState::Minimized } },
        { Before::NotLoaded, Op::Unload, { false, false, WindowState::Normal } },
        { Before::LoadedHidden, Op::Show, { true, true, WindowState::Minimized } },
        { Before::LoadedHidden, Op::Minimize, { true, false, WindowState::Minimized } },
        { Before::LoadedHidden, Op::Unload, { false, false, WindowState::Normal } },
        { Before::Shown, Op::Show, { true, true, WindowState::Normal } },
        { Before::Shown, Op::Minimize, { true, true, WindowState::Minimized } },
        { Before::Shown, Op::Unload, { false, false, WindowState::Normal } },
        { Before::ShownMinimized, Op::Show, { true, true, WindowState::Minimized } },
        { Before::ShownMinimized, Op::Unload, { false, false, WindowState::Normal } },
    };
    for (const Case& c : cases) {
        app().unload(kB);
        switch (c.before) {
        case Before::NotLoaded:
            break;
        case Before::LoadedHidden:
            ASSERT_TRUE(app().minimize(kB).is_ok());
            break;
        case Before::Shown:
            ASSERT_TRUE(app().show(kB).is_ok());
            break;
        case Before::ShownMinimized:
            ASSERT_TRUE(app().show(kB).is_ok());
            ASSERT_TRUE(app().minimize(kB).is_ok());
            break;
        }
        switch (c.op) {
        case Op::Show:
            ASSERT_TRUE(app().show(kB).is_ok());
            break;
        case Op::Minimize:
            ASSERT_TRUE(app().minimize(kB).is_ok());
            break;
        case Op::Unload:
            app().unload(kB);
            break;
        case Op::UserRestore:
            break;
        }
        const std::string what = "case " + std::to_string(&c - cases);
        EXPECT_EQ(loaded(kB), c.after.loaded) << what;
        EXPECT_EQ(shown(kB), c.after.shown) << what;
        if (c.after.loaded) {
            EXPECT_EQ(app().loaded(kB)->window_state(), c.after.state) << what;
        }
        auto window = program.desktop.window(kB);
        EXPECT_EQ(window.has_value(), c.after.loaded) << what << ": a loaded screen has a window, no other";
        if (window && c.after.shown) {
            EXPECT_EQ(window->state, c.after.state) << what << ": the window system agrees";
        }
    }
}

TEST_F(Lifetime, ShowingPutsInFrontAndFreshCopyRebuildsFromTheLayout) {
    ASSERT_TRUE(app().show(kB).is_ok());
    EXPECT_EQ(program.desktop.windows().back().tag, kB) << "a shown screen is in front";
    const int flag = gv::control_index(kBControls, "Flag");
    program.advance(300);
    EXPECT_FALSE(app().loaded(kB)->controls()[flag].visible) << "B's timer ran";
    ASSERT_TRUE(app().show(kStart).is_ok());
    EXPECT_EQ(program.desktop.windows().back().tag, kB) << "showing a shown screen changes nothing";
    app().unload(kB);
    ASSERT_TRUE(app().show(kB).is_ok());
    EXPECT_TRUE(app().loaded(kB)->controls()[flag].visible) << "the fresh copy is built from its layout";
    EXPECT_EQ(program.desktop.window(kB)->frame, (gv::Rect { 270, 190, 100, 100 })) << "centred on 640 x 480";
    program.advance(299);
    EXPECT_TRUE(app().loaded(kB)->controls()[flag].visible) << "its timer starts afresh at the load";
    program.advance(1);
    EXPECT_FALSE(app().loaded(kB)->controls()[flag].visible);
}

TEST_F(Lifetime, DefaultPlaceIsNotCentred) {
    ASSERT_TRUE(app().show(kC).is_ok());
    gv::Rect frame = program.desktop.window(kC)->frame;
    EXPECT_NE(frame.origin(), (gv::Point { 270, 190 }));
    EXPECT_TRUE(gv::Rect({ 0, 0, 640, 480 }).contains(frame.origin()));
}

TEST_F(Lifetime, TimersTickWhileHiddenAndStopWhenUnloaded) {
    ASSERT_TRUE(app().minimize(kB).is_ok()); // loaded hidden
    const int flag = gv::control_index(kBControls, "Flag");
    program.advance(300);
    EXPECT_FALSE(app().loaded(kB)->controls()[flag].visible) << "a hidden screen's timer ticks";
    app().unload(kB);
    EXPECT_FALSE(app().next_timer_deadline().has_value()) << "an unloaded screen has no timers";
}

TEST_F(Lifetime, SwitchingATimerOnStartsAFullInterval) {
    program.advance(50);
    click_start("PressHere"); // enables Tick (100 ms) at t = 50
    EXPECT_EQ(app().next_timer_deadline(), 150);
    program.advance(99);
    EXPECT_TRUE(app().loaded(kStart)->find("Flag")->visible);
    program.advance(1);
    EXPECT_FALSE(app().loaded(kStart)->find("Flag")->visible);
}

TEST_F(Lifetime, HandlerThatUnloadsItsOwnScreenGoesOn) {
    click_start("SelfFirst");
    EXPECT_FALSE(loaded(kStart));
    EXPECT_TRUE(shown(kB)) << "the step after the unload still ran";
    EXPECT_FALSE(app().finished());
    EXPECT_TRUE(program.errors.empty());
}

TEST_F(Lifetime, ProgramEndsAfterTheHandlerThatUnloadsTheLastScreen) {
    ASSERT_TRUE(app().minimize(kC).is_ok()); // hidden, but it keeps the program running
    app().unload(kStart);
    EXPECT_FALSE(app().finished());
    app().unload(kC);
    EXPECT_TRUE(app().finished());
    app().unload(kC); // unloading a screen that is not loaded changes nothing
    EXPECT_TRUE(app().finished());
}

TEST_F(Lifetime, FailingStepStopsItsHandlerAndIsReportedByName) {
    program.desktop.fail_next_create();
    click_start("Fail");
    ASSERT_EQ(program.errors.size(), 1u);
    EXPECT_EQ(program.errors[0].rfind("Start_Fail_Click: ", 0), 0u) << program.errors[0];
    EXPECT_FALSE(app().loaded(kStart)->find("Flag")->visible) << "the step before the failure ran";
    EXPECT_FALSE(loaded(kC));
    EXPECT_FALSE(loaded(kB)) << "the step after the failure did not run";
    click_start("SelfFirst");
    EXPECT_TRUE(shown(kB)) << "the program goes on";
}

TEST_F(Lifetime, ClickIsPressAndReleaseOverTheSameControl) {
    gv::Rect f = program.desktop.window(kStart)->frame;
    program.desktop.press({ f.x + 2, f.y + 2 });    // on SelfFirst
    program.desktop.release({ f.x + 12, f.y + 2 }); // on Fail
    EXPECT_TRUE(loaded(kStart)) << "no click when the release is over another control";
    program.desktop.press({ f.x + 2, f.y + 2 });
    program.desktop.release({ f.x + 3, f.y + 3 });
    EXPECT_FALSE(loaded(kStart));
}

TEST(WindowSystem, CloseRequestAndOutsideDestroyUnloadThatScreenAlone) {
    using Act = void (gv::HeadlessDesktop::*)(int);
    for (auto [act, what] :
         { std::pair<Act, const char*> { &gv::HeadlessDesktop::request_close, "close request" },
           { &gv::HeadlessDesktop::destroy_from_outside, "outside destroy" } }) {
        FixtureProgram program { kScreens };
        gv::Application& app = program.app;
        ASSERT_TRUE(app.start(kStart).is_ok());
        ASSERT_TRUE(app.show(kB).is_ok());
        ASSERT_TRUE(app.minimize(kC).is_ok()); // loaded hidden
        (program.desktop.*act)(kB);
        EXPECT_FALSE(app.loaded(kB)) << what;
        EXPECT_FALSE(program.desktop.window(kB)) << what;
        EXPECT_TRUE(app.loaded(kStart) && app.loaded(kC)) << what << ": the others stay";
        (program.desktop.*act)(kC);
        EXPECT_FALSE(app.loaded(kC)) << what << " on a hidden window";

        // The program goes on: B comes back with a window of its own.
        const gv::Rect f = program.desktop.window(kStart)->frame;
        program.desktop.click({ f.x + 2, f.y + 2 }); // SelfFirst: unloads Start, shows B
        ASSERT_TRUE(app.loaded(kB) && app.loaded(kB)->shown()) << what;
        EXPECT_TRUE(presented_is_fresh_paint(program.desktop, *app.loaded(kB), kB)) << what;
        program.advance(300);
        EXPECT_FALSE(app.loaded(kB)->find("Flag")->visible) << what << ": its timer runs";
        EXPECT_TRUE(presented_is_fresh_paint(program.desktop, *app.loaded(kB), kB)) << what;

        (program.desktop.*act)(kB);
        EXPECT_TRUE(app.finished()) << what << " on the last screen ends the program";
        EXPECT_TRUE(program.desktop.windows().empty()) << what;
        EXPECT_FALSE(app.next_timer_deadline()) << what;
        EXPECT_TRUE(program.errors.empty()) << what;
    }
}

// A tick held up past several intervals comes once, late, and the timer
// keeps its grid: no ticks are made up for.
TEST(HeldUpTicks, ComeOnceAndKeepTheirSchedule) {
    static constexpr gv::ControlRecord controls[] = {
        { .kind = gv::ControlKind::Timer, .name = "Every100", .interval = 100 },
    };
    static constexpr gv::Step reopen[] = { unload_screen(1), show_screen(1) };
    static constexpr gv::Handler handlers[] = { { "Ticker_Every100_Timer", 0, Event::Timer, reopen } };
    static constexpr gv::ScreenLayout ticker { .name = "Ticker", .caption = "Ticker", .controls = controls };
    static constexpr gv::ScreenLayout echo {
        .name = "Echo", .caption = "Echo", .client_width = 150, .client_height = 150, .controls = {}
    };
    const gv::ScreenDefinition screens[] = { { &ticker, handlers }, { &echo, {} } };
    ASSERT_EQ(gv::validate_registry(screens), "");
    FixtureProgram program { screens };
    ASSERT_TRUE(program.app.start(0).is_ok());
    auto ticks = [&] { return std::ranges::count(program.desktop.journal(), std::string("create Echo")); };
    program.clock.set(1050); // held up for ten intervals and a half
    program.app.run_due_timers();
    EXPECT_EQ(ticks(), 1);
    EXPECT_EQ(program.app.next_timer_deadline(), 1100);
    program.advance(50);
    EXPECT_EQ(ticks(), 2);
    EXPECT_TRUE(program.errors.empty());
}

// A screen whose load fails stops the handler that wanted it, at that step,
// and is reported under the handler's name; the program runs on.
TEST(LoadFailures, StopTheirHandlerAndAreReportedByName) {
    static constexpr gv::ControlRecord opener_controls[] = {
        hot_spot("OpenPicture", {}, 0, 0, 150, 150), hot_spot("OpenBackground", {}, 150, 0, 150, 150),
        hot_spot("OpenFont", {}, 300, 0, 150, 150),  hot_spot("OpenIcon", {}, 450, 0, 150, 150),
        hot_spot("OpenFine", {}, 600, 0, 150, 150),
    };
    static constexpr gv::ControlRecord picture_controls[] = { picture_box("Pic", {}, 0, 0, 150, 150,
                                                                          "nowhere") };
    static constexpr gv::ControlRecord font_controls[] = {
        { .kind = gv::ControlKind::Label,
          .name = "Text",
          .width = 600,
          .height = 300,
          .caption = "Hello",
          .font = { .face = "No Such Face", .centipoints = 900 } },
    };
    constexpr gv::ScreenIndex kPicture = 1, kBackground = 2, kFont = 3, kIcon = 4, kFine = 5;
    static constexpr gv::Step open_picture[] = { show_screen(kPicture), show_screen(kFine) };
    static constexpr gv::Step open_background[] = { show_screen(kBackground), show_screen(kFine) };
    static constexpr gv::Step open_font[] = { show_screen(kFont), show_screen(kFine) };
    static constexpr gv::Step open_icon[] = { show_screen(kIcon), show_screen(kFine) };
    static constexpr gv::Step open_fine[] = { show_screen(kFine) };
    static constexpr gv::Handler handlers[] = {
        { "Opener_OpenPicture_Click", 0, Event::Click, open_picture },
        { "Opener_OpenBackground_Click", 1, Event::Click, open_background },
        { "Opener_OpenFont_Click", 2, Event::Click, open_font },
        { "Opener_OpenIcon_Click", 3, Event::Click, open_icon },
        { "Opener_OpenFine_Click", 4, Event::Click, open_fine },
    };
    static constexpr gv::ScreenLayout opener { .name = "Opener",
                                               .caption = "Opener",
                                               .client_width = 3000,
                                               .client_height = 1500,
                                               .controls = opener_controls };
    static constexpr gv::ScreenLayout picture { .name = "Picture",
                                                .caption = "",
                                                .controls = picture_controls };
    static constexpr gv::ScreenLayout background {
        .name = "Background", .caption = "", .picture = "nowhere", .controls = {}
    };
    static constexpr gv::ScreenLayout font { .name = "Font", .caption = "", .controls = font_controls };
    static constexpr gv::ScreenLayout icon {
        .name = "Icon", .caption = "", .icon = "nowhere", .controls = {}
    };
    static constexpr gv::ScreenLayout fine { .name = "Fine", .caption = "", .controls = {} };
    const gv::ScreenDefinition screens[] = { { &opener, handlers }, { &picture, {} }, { &background, {} },
                                             { &font, {} },         { &icon, {} },    { &fine, {} } };
    ASSERT_EQ(gv::validate_registry(screens), "");
    // No default face: an unknown one has nothing to fall back on.
    static constexpr gv::FontSubstitute only_fixedsys[] = { { "Fixedsys", "ter-u14b_unicode.pcf", 15 } };
    FixtureProgram program { screens, { 640, 480 }, only_fixedsys };
    ASSERT_TRUE(program.app.start(0).is_ok());

    struct Case {
        int hot_spot_left; // pixels
        gv::ScreenIndex broken;
        std::string_view report;
    } cases[] = {
        { 0, kPicture, "Opener_OpenPicture_Click: picture nowhere of Pic could not be decoded" },
        { 10, kBackground, "Opener_OpenBackground_Click: picture nowhere could not be decoded" },
        { 20, kFont, "Opener_OpenFont_Click: no font can stand in for \"No Such Face\" on Text" },
        { 30, kIcon, "Opener_OpenIcon_Click: icon nowhere could not be decoded" },
    };
    const gv::Rect f = program.desktop.window(0)->frame;
    for (const Case& c : cases) {
        program.errors.clear();
        program.desktop.click({ f.x + c.hot_spot_left + 5, f.y + 5 });
        EXPECT_EQ(program.errors, std::vector<std::string> { std::string(c.report) });
        EXPECT_FALSE(program.app.loaded(c.broken)) << c.report;
        EXPECT_FALSE(program.desktop.window(c.broken)) << c.report << ": no window is left behind";
        EXPECT_FALSE(program.app.loaded(kFine)) << c.report << ": the step after the failure did not run";
        EXPECT_TRUE(program.app.loaded(0)) << c.report;
    }
    program.errors.clear();
    program.desktop.click({ f.x + 45, f.y + 5 });
    EXPECT_TRUE(program.app.loaded(kFine)) << "the program goes on";
    EXPECT_TRUE(program.errors.empty());
}

TEST(Registry, ValidationNamesEachBrokenPromise) {
    static constexpr gv::ControlRecord orphan[] = { hot_spot("Child", "Nobody", 0, 0, 15, 15) };
    static constexpr gv::ControlRecord under_label[] = { hot_spot("Parent", {}, 0, 0, 15, 15),
                                                         hot_spot("Child", "Parent", 0, 0, 15, 15) };
    static constexpr gv::ControlRecord child[] = { hot_spot("Child", {}, 0, 0, 15, 15) };
    static constexpr gv::ControlRecord repeated[] = { hot_spot("Child", {}, 0, 0, 15, 15),
                                                      hot_spot("Child", {}, 15, 0, 15, 15) };
    static constexpr gv::ControlRecord still_timer[] = { { .kind = gv::ControlKind::Timer, .name = "Idle" } };
    static constexpr gv::ControlRecord odd_colour[] = {
        { .kind = gv::ControlKind::Label, .name = "Odd", .back_color = { 0x80000063 } }
    };
    static constexpr gv::ScreenLayout orphan_layout { .name = "X", .caption = "", .controls = orphan };
    static constexpr gv::ScreenLayout under_label_layout { .name = "X",
                                                           .caption = "",
                                                           .controls = under_label };
    static constexpr gv::ScreenLayout y_layout { .name = "Y", .caption = "", .controls = child };
    static constexpr gv::ScreenLayout repeated_layout { .name = "X", .caption = "", .controls = repeated };
    static constexpr gv::ScreenLayout timer_layout { .name = "X", .caption = "", .controls = still_timer };
    static constexpr gv::ScreenLayout colour_layout { .name = "X", .caption = "", .controls = odd_colour };

    static constexpr gv::Step enable_label[] = { enable(0) }; // a label is no timer
    static constexpr gv::Step after_unload[] = { unload_screen(0), hide(0) };
    static constexpr gv::Step far_screen[] = { show_screen(7) };
    static constexpr gv::Handler misnamed[] = { { "X_Wrong_Click", 0, Event::Click, {} } };
    static constexpr gv::Handler wrong_kind[] = { { "Y_Child_Click", 0, Event::Click, enable_label } };
    static constexpr gv::Handler late[] = { { "Y_Child_Click", 0, Event::Click, after_unload } };
    static constexpr gv::Handler move_on_label[] = { { "Y_Child_MouseMove", 0, Event::MouseMove, {} } };
    static constexpr gv::Handler to_nowhere[] = { { "Y_Child_Click", 0, Event::Click, far_screen } };
    static constexpr gv::Handler bound_twice[] = { { "Y_Child_Click", 0, Event::Click, {} },
                                                   { "Y_Child_Click", 0, Event::Click, {} } };

    struct Case {
        std::vector<gv::ScreenDefinition> screens;
        std::string_view problem;
    } cases[] = {
        { { { &orphan_layout, {} } }, "X.Child: parent Nobody is not an earlier control" },
        { { { &under_label_layout, {} } }, "X.Child: parent Parent is not a picture control" },
        { { { &repeated_layout, {} } }, "X.Child: empty or repeated control name" },
        { { { &timer_layout, {} } }, "X.Idle: a timer needs an interval" },
        { { { &colour_layout, {} } }, "X.Odd: unknown colour" },
        { { { &y_layout, misnamed } }, "Y: handler X_Wrong_Click should be named Y_Child_Click" },
        { { { &y_layout, wrong_kind } }, "Y_Child_Click: step does not fit Child" },
        { { { &y_layout, late } }, "Y_Child_Click: changes a control after unloading its own screen" },
        { { { &y_layout, move_on_label } }, "Y_Child_MouseMove: that control raises no such event" },
        { { { &y_layout, to_nowhere } }, "Y_Child_Click: a step names no screen" },
        { { { &y_layout, bound_twice } }, "Y_Child_Click: bound twice" },
        { { { &y_layout, {} }, { &y_layout, {} } }, "empty or repeated screen name Y" },
    };
    for (const Case& c : cases) EXPECT_EQ(gv::validate_registry(c.screens), c.problem);
    EXPECT_EQ(gv::validate_registry(kScreens), "");
}

TEST(Registry, TheGuidesOwnRegistryPassesItsCheck) {
    EXPECT_EQ(grimveil::check_registry(), "");
    EXPECT_EQ(grimveil::registry().size(), 33u);
}

} // namespace
} // namespace grimveil::testing
