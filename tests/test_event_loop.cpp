// The event loop on the headless desktop: when the program ends, and the
// preparation in idle time of what a timer will bring up.
#include "Fixtures.h"
#include "Harness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace grimveil::testing {
namespace {

using namespace gv::steps;
using gv::Event;

// The guide's decoder, noting the time of every decode.
class TimedDecoder final : public gv::PictureDecoder {
public:
    explicit TimedDecoder(const gv::Clock& clock)
        : m_clock(clock) {}
    std::optional<gv::Bitmap> picture(std::span<const unsigned char> bytes) const override {
        m_at.push_back(m_clock.now_ms());
        return m_real.picture(bytes);
    }
    std::vector<gv::IconImage> icon(std::span<const unsigned char> bytes) const override {
        m_at.push_back(m_clock.now_ms());
        return m_real.icon(bytes);
    }
    const std::vector<std::int64_t>& at() const { return m_at; }

private:
    const gv::Clock& m_clock;
    gv::SdlImageDecoder m_real;
    mutable std::vector<std::int64_t> m_at;
};

struct TimedGuide {
    TimedGuide() {
        desktop.set_clock(&clock);
        app.set_reporter([this](std::string_view line) { errors.emplace_back(line); });
    }
    gv::VirtualClock clock;
    gv::HeadlessDesktop desktop;
    TimedDecoder decoder { clock };
    gv::AssetStore assets { embedded_assets(), decoder };
    gv::FreeTypeFonts fonts { embedded_fonts(), font_substitutes() };
    gv::Application app { registry(), { desktop, assets, fonts, clock } };
    std::vector<std::string> errors;
};

TEST(EventLoop, DecodesTheMainMenuAheadOfTheSplashsHandOver) {
    TimedGuide guide;
    ASSERT_TRUE(guide.app.start(start_screen()).is_ok());
    const std::size_t for_the_splash = guide.decoder.at().size();
    ASSERT_GT(for_the_splash, 0u);

    // The splash hands over at 5500 ms; then nothing more can arrive on the
    // headless desktop, so the wait ends the loop with the main menu up.
    EXPECT_EQ(guide.app.run(), 0);
    EXPECT_EQ(guide.clock.now_ms(), 5500);
    const gv::Screen* menu = guide.app.loaded(index_of(ScreenId::Main001));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->shown());
    EXPECT_EQ(guide.app.loaded(index_of(ScreenId::splashBDD)), nullptr);
    EXPECT_FALSE(guide.app.finished());
    EXPECT_TRUE(guide.errors.empty());

    // Its window was asked to be made ready before its load; the splash's
    // window went after the main menu showed.
    const auto& journal = guide.desktop.journal();
    auto at_entry = [&](std::string_view entry) {
        return std::ranges::find(journal, entry) - journal.begin();
    };
    const std::string menu_title = "Interactive Grimveil v2";
    const auto prepared = at_entry("prepare " + menu_title), created = at_entry("create " + menu_title),
               shown = at_entry("show " + menu_title);
    ASSERT_LT(shown, std::ssize(journal));
    EXPECT_LT(prepared, created);
    const auto splash_gone =
        std::ranges::find_if(journal, [](const std::string& e) { return e.starts_with("destroy "); });
    ASSERT_NE(splash_gone, journal.end());
    EXPECT_GT(splash_gone - journal.begin(), shown) << *splash_gone;

    // Every picture and icon the main menu needed was decoded before its tick.
    const auto& at = guide.decoder.at();
    EXPECT_GT(at.size(), for_the_splash) << "the main menu's pictures were decoded at all";
    EXPECT_TRUE(std::ranges::all_of(at, [](std::int64_t t) { return t < 5500; }))
        << "last decode at " << at.back() << " ms";
}

TEST(EventLoop, PreparesNothingNoTimerCanBringUp) {
    TimedGuide guide;
    ASSERT_TRUE(guide.app.start(start_screen()).is_ok());
    EXPECT_EQ(guide.app.run(), 0);
    const std::size_t at_main_menu = guide.decoder.at().size();
    // With only the main menu up, idle time decodes nothing more: no timer
    // leads anywhere, and a click's screen is decoded when it is clicked.
    EXPECT_EQ(guide.app.run(), 0);
    EXPECT_EQ(guide.decoder.at().size(), at_main_menu);
}

TEST(EventLoop, EndsWithTheTickThatLeavesNoScreenAndWaitsNoLonger) {
    static constexpr gv::ControlRecord controls[] = {
        { .kind = gv::ControlKind::Timer, .name = "Every100", .interval = 100 },
        { .kind = gv::ControlKind::Timer, .name = "Every70", .interval = 70 },
    };
    static constexpr gv::Step count_down[] = { unload_screen(1) };
    static constexpr gv::Step leave[] = { unload_screen(0) };
    static constexpr gv::Handler handlers[] = {
        { "Last_Every100_Timer", 0, Event::Timer, leave },
        { "Last_Every70_Timer", 1, Event::Timer, count_down },
    };
    static constexpr gv::ScreenLayout last { .name = "Last", .caption = "Last", .controls = controls };
    static constexpr gv::ScreenLayout other { .name = "Other", .caption = "Other", .controls = {} };
    const gv::ScreenDefinition screens[] = { { &last, handlers }, { &other, {} } };
    ASSERT_EQ(gv::validate_registry(screens), "");
    FixtureProgram program { screens };
    program.desktop.set_clock(&program.clock);
    ASSERT_TRUE(program.app.start(0).is_ok());
    EXPECT_EQ(program.app.run(), 0);
    EXPECT_TRUE(program.app.finished());
    EXPECT_EQ(program.clock.now_ms(), 100) << "the loop stops at the tick that unloaded the last screen";
    EXPECT_EQ(program.app.next_timer_deadline(), std::nullopt);
    EXPECT_TRUE(program.errors.empty());
}

} // namespace
} // namespace grimveil::testing
