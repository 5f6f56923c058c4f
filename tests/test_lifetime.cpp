// Screen instances: the three operations, fresh copies, timers, the end of
// the program and the error path, on a fixture program of three screens.
#include "Fixtures.h"

#include <gtest/gtest.h>

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

TEST_F(Lifetime, CloseRequestUnloadsThatScreen) {
    ASSERT_TRUE(app().show(kB).is_ok());
    program.desktop.request_close(kB);
    EXPECT_FALSE(loaded(kB));
    program.desktop.request_close(kStart);
    EXPECT_TRUE(app().finished());
}

TEST(Registry, ValidationFindsBrokenPromises) {
    static constexpr gv::ControlRecord orphan[] = { hot_spot("Child", "Nobody", 0, 0, 15, 15) };
    static constexpr gv::ScreenLayout orphan_layout { .name = "X", .caption = "", .controls = orphan };
    static constexpr gv::Step bad_step[] = { enable(0) }; // a label is no timer
    static constexpr gv::Handler misnamed[] = { { "X_Wrong_Click", 0, Event::Click, {} } };
    static constexpr gv::Handler wrong_kind[] = { { "Y_Child_Click", 0, Event::Click, bad_step } };
    static constexpr gv::ControlRecord child[] = { hot_spot("Child", {}, 0, 0, 15, 15) };
    static constexpr gv::ScreenLayout y_layout { .name = "Y", .caption = "", .controls = child };
    static constexpr gv::Step after_unload[] = { unload_screen(0), hide(0) };
    static constexpr gv::Handler late[] = { { "Y_Child_Click", 0, Event::Click, after_unload } };
    static constexpr gv::Handler move_on_label[] = { { "Y_Child_MouseMove", 0, Event::MouseMove, {} } };

    const gv::ScreenDefinition orphan_screens[] = { { &orphan_layout, {} } };
    const gv::ScreenDefinition misnamed_screens[] = { { &y_layout, misnamed } };
    const gv::ScreenDefinition wrong_kind_screens[] = { { &y_layout, wrong_kind } };
    const gv::ScreenDefinition late_screens[] = { { &y_layout, late } };
    const gv::ScreenDefinition move_screens[] = { { &y_layout, move_on_label } };
    const gv::ScreenDefinition twice[] = { { &y_layout, {} }, { &y_layout, {} } };
    EXPECT_NE(gv::validate_registry(orphan_screens), "");
    EXPECT_NE(gv::validate_registry(misnamed_screens), "");
    EXPECT_NE(gv::validate_registry(wrong_kind_screens), "");
    EXPECT_NE(gv::validate_registry(late_screens), "");
    EXPECT_NE(gv::validate_registry(move_screens), "");
    EXPECT_NE(gv::validate_registry(twice), "");
    EXPECT_EQ(gv::validate_registry(kScreens), "");
}

} // namespace
} // namespace grimveil::testing
