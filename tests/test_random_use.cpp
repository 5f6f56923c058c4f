// Random use of the whole guide on the headless desktop: a long seeded stream
// of pointer, clock and window-system events, with the program's rules
// checked after every one. GRIMVEIL_SEED picks another stream and replays a
// failing one; GRIMVEIL_EVENTS sets its length.
#include "Fixtures.h"
#include "Harness.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>

namespace grimveil::testing {
namespace {

constexpr std::uint64_t kDefaultSeed = 20261211;
constexpr gv::Size kDisplay { 1024, 768 };
// Every this many events, every shown window is compared with a fresh paint,
// not only those presented since the last check.
constexpr long kFullCheckEvery = 64;

std::uint64_t seed() {
    const char* s = std::getenv("GRIMVEIL_SEED");
    return s && *s ? std::strtoull(s, nullptr, 0) : kDefaultSeed;
}

long event_count(long fallback) {
    const char* s = std::getenv("GRIMVEIL_EVENTS");
    return s && *s ? std::strtol(s, nullptr, 0) : fallback;
}

enum class Kind { Move, Click, Drag, Advance, CloseRequest, OutsideDestroy, Minimize, Restore, Expose };
constexpr std::string_view kKindNames[] = { "move",    "click",    "drag",    "advance", "close request",
                                            "destroy", "minimise", "restore", "expose" };

struct Event {
    Kind kind { Kind::Move };
    gv::Point at;
    gv::Point to; // a drag's release
    int tag { -1 };
    int ms { 0 };
};

std::string describe(const Event& e) {
    std::ostringstream o;
    o << kKindNames[int(e.kind)];
    switch (e.kind) {
    case Kind::Move:
    case Kind::Click:
        o << " at " << e.at;
        break;
    case Kind::Drag:
        o << " from " << e.at << " to " << e.to;
        break;
    case Kind::Advance:
        o << " " << e.ms << " ms";
        break;
    default:
        o << " " << kScreenNames[e.tag];
        break;
    }
    return o.str();
}

// One run of the program, from start to its end.
struct Run {
    Run(gv::PictureSource& pictures, gv::FontProvider& fonts)
        : app(registry(), { desktop, pictures, fonts, clock }) {
        app.set_reporter([this](std::string_view line) { errors.emplace_back(line); });
    }
    gv::VirtualClock clock;
    gv::HeadlessDesktop desktop { kDisplay };
    gv::Application app;
    std::vector<std::string> errors;
};

class Storm {
public:
    explicit Storm(std::uint64_t seed)
        : m_random(seed) {
        for (std::size_t i = 0; i < kScreenCount; ++i)
            for (const gv::Handler& h : registry()[i].handlers)
                if (h.control != gv::kForm &&
                    (h.event == gv::Event::Click || h.event == gv::Event::MouseMove) &&
                    std::ranges::find(m_targets[i], h.control) == m_targets[i].end())
                    m_targets[i].push_back(h.control);
    }

    ::testing::AssertionResult start() {
        m_run = std::make_unique<Run>(m_assets, m_fonts);
        m_checked.fill({ 0, 0 });
        ++m_programs;
        if (gv::Status s = m_run->app.start(start_screen()); !s)
            return ::testing::AssertionFailure() << "the program did not start: " << s.error();
        return ::testing::AssertionSuccess();
    }

    Event next() {
        const int roll = uniform(0, 999);
        Event e;
        if (roll < 330) {
            e.kind = Kind::Move;
        } else if (roll < 660) {
            e.kind = Kind::Click;
        } else if (roll < 680) {
            e.kind = Kind::Drag;
        } else if (roll < 930) {
            e.kind = Kind::Advance;
        } else if (roll < 950) {
            e.kind = Kind::CloseRequest;
        } else if (roll < 965) {
            e.kind = Kind::OutsideDestroy;
        } else if (roll < 980) {
            e.kind = Kind::Minimize;
        } else if (roll < 992) {
            e.kind = Kind::Restore;
        } else {
            e.kind = Kind::Expose;
        }
        switch (e.kind) {
        case Kind::Move:
        case Kind::Click:
            e.at = pick_point();
            break;
        case Kind::Drag:
            e.at = pick_point();
            e.to = pick_point();
            break;
        case Kind::Advance: {
            const int bucket = uniform(0, 99);
            e.ms = bucket < 50 ? uniform(0, 100) : bucket < 85 ? uniform(100, 1500) : uniform(1500, 6000);
            break;
        }
        default:
            e.tag = pick_window(e.kind);
            if (e.tag < 0) {
                e.kind = Kind::Advance;
                e.ms = uniform(0, 100);
            }
            break;
        }
        return e;
    }

    void apply(const Event& e) {
        gv::HeadlessDesktop& d = m_run->desktop;
        ++m_counts[int(e.kind)];
        switch (e.kind) {
        case Kind::Move:
            d.move_to(e.at);
            break;
        case Kind::Click:
            d.move_to(e.at);
            d.click(e.at);
            break;
        case Kind::Drag:
            d.press(e.at);
            d.move_to(e.to);
            d.release(e.to);
            break;
        case Kind::Advance:
            gv::advance_virtual_time(m_run->app, m_run->clock, e.ms);
            break;
        case Kind::CloseRequest:
            d.request_close(e.tag);
            break;
        case Kind::OutsideDestroy:
            d.destroy_from_outside(e.tag);
            break;
        case Kind::Minimize:
            d.minimize_window(e.tag);
            break;
        case Kind::Restore:
            d.restore_window(e.tag);
            break;
        case Kind::Expose:
            d.expose(e.tag);
            break;
        }
    }

    // The program's rules, after an event.
    ::testing::AssertionResult check(bool every_window) {
        const Run& r = *m_run;
        if (!r.errors.empty()) return ::testing::AssertionFailure() << "reported: " << r.errors.front();
        const auto windows = r.desktop.windows();
        std::array<const gv::HeadlessDesktop::WindowInfo*, kScreenCount> window_of {};
        for (const auto& w : windows) {
            if (w.tag < 0 || std::size_t(w.tag) >= kScreenCount || window_of[w.tag])
                return ::testing::AssertionFailure() << "a stray window \"" << w.title << "\"";
            window_of[w.tag] = &w;
        }
        int loaded = 0;
        for (std::size_t i = 0; i < kScreenCount; ++i) {
            const gv::Screen* s = r.app.loaded(gv::ScreenIndex(i));
            const auto* w = window_of[i];
            if (!s && !w) continue;
            if (!s || !w)
                return ::testing::AssertionFailure()
                       << kScreenNames[i]
                       << (s ? " is loaded without a window" : " has a window but is not loaded");
            ++loaded;
            m_reached[i] = true;
            if (s->shown() != w->shown)
                return ::testing::AssertionFailure()
                       << kScreenNames[i] << (s->shown() ? " is" : " is not") << " shown, its window"
                       << (w->shown ? " is" : " is not");
            if (s->shown() && s->window_state() != w->state)
                return ::testing::AssertionFailure()
                       << kScreenNames[i] << " is in state " << int(s->window_state()) << ", its window in "
                       << int(w->state);
        }
        if (r.app.finished() != (loaded == 0))
            return ::testing::AssertionFailure() << (loaded ? "the program has ended with screens loaded"
                                                            : "no screen is loaded, yet it runs");
        if (r.app.finished() && r.app.next_timer_deadline())
            return ::testing::AssertionFailure() << "a timer ticks after the end";
        if (const gv::Screen* grid = r.app.loaded(index_of(ScreenId::Moves001)); grid) {
            if (highlighted_fighter(*grid) == -2)
                return ::testing::AssertionFailure()
                       << "the grid shows a fighter's two tiles, or none, or two highlights";
            if (const int h = highlighted_fighter(*grid); h >= 0) m_highlighted[h] = true;
        }

        // Compare the windows presented since the last check, and new ones.
        for (std::size_t i = 0; i < kScreenCount; ++i) {
            const auto* w = window_of[i];
            if (!w || !w->shown) continue;
            const std::pair seen { w->serial, w->presents };
            if (every_window || seen != m_checked[i]) {
                ++m_paint_checks;
                if (auto same = presented_is_fresh_paint(r.desktop, *r.app.loaded(gv::ScreenIndex(i)), int(i),
                                                         m_scratch[i]);
                    !same)
                    return same;
            }
            m_checked[i] = seen;
        }
        return ::testing::AssertionSuccess();
    }

    // After the end nothing ticks, however long one waits.
    bool finished() const { return m_run->app.finished(); }
    ::testing::AssertionResult check_the_end() {
        gv::advance_virtual_time(m_run->app, m_run->clock, uniform(0, 20000));
        if (m_run->app.next_timer_deadline() || !m_run->desktop.windows().empty() || !m_run->errors.empty())
            return ::testing::AssertionFailure() << "something lives on after the end";
        return ::testing::AssertionSuccess();
    }

    long programs() const { return m_programs; }
    long paint_checks() const { return m_paint_checks; }
    std::vector<std::string_view> unreached() const {
        std::vector<std::string_view> out;
        for (std::size_t i = 0; i < kScreenCount; ++i)
            if (!m_reached[i]) out.push_back(kScreenNames[i]);
        for (int f = 0; f < layouts::kFighters; ++f)
            if (!m_highlighted[f]) out.push_back(layouts::kFighterNames[f].highlight_tile.view());
        return out;
    }
    std::string counts() const {
        std::ostringstream o;
        for (std::size_t k = 0; k < m_counts.size(); ++k)
            o << (k ? ", " : "") << kKindNames[k] << " " << m_counts[k];
        return o.str();
    }

private:
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_random); }

    // Mostly a hot-spot or a tile of a window on screen, the front one above
    // all; else anywhere on the desktop.
    gv::Point pick_point() {
        std::vector<gv::HeadlessDesktop::WindowInfo> on_screen;
        for (auto& w : m_run->desktop.windows())
            if (w.shown && w.state != gv::WindowState::Minimized) on_screen.push_back(std::move(w));
        if (!on_screen.empty() && uniform(0, 9) < 7) {
            const auto& w =
                uniform(0, 3) ? on_screen.back() : on_screen[uniform(0, int(on_screen.size()) - 1)];
            const auto& targets = m_targets[w.tag];
            if (const gv::Screen* s = m_run->app.loaded(gv::ScreenIndex(w.tag)); s && !targets.empty()) {
                const gv::Control& c = s->controls()[targets[uniform(0, int(targets.size()) - 1)]];
                const gv::Rect r = c.visible_rect.intersected({ 0, 0, w.frame.width, w.frame.height });
                if (!r.empty())
                    return { w.frame.x + r.x + uniform(0, r.width - 1),
                             w.frame.y + r.y + uniform(0, r.height - 1) };
            }
        }
        return { uniform(0, kDisplay.width - 1), uniform(0, kDisplay.height - 1) };
    }

    // A window the window system can act on: any for a destroy, a shown one
    // otherwise, a minimised one for a restore. -1 when there is none.
    int pick_window(Kind kind) {
        std::vector<int> tags;
        for (const auto& w : m_run->desktop.windows()) {
            const bool minimised = w.state == gv::WindowState::Minimized;
            if (kind == Kind::OutsideDestroy || (w.shown && (kind == Kind::Restore) == minimised))
                tags.push_back(w.tag);
        }
        return tags.empty() ? -1 : tags[uniform(0, int(tags.size()) - 1)];
    }

    std::mt19937_64 m_random;
    gv::SdlImageDecoder m_decoder;
    gv::AssetStore m_assets { embedded_assets(), m_decoder };
    gv::FreeTypeFonts m_fonts { embedded_fonts(), font_substitutes() };
    std::array<std::vector<int>, kScreenCount> m_targets;
    std::unique_ptr<Run> m_run;
    // The window and its count of presents at the last comparison.
    std::array<std::pair<int, int>, kScreenCount> m_checked {};
    std::array<bool, kScreenCount> m_reached {};
    std::array<bool, layouts::kFighters> m_highlighted {};
    std::array<long, std::size(kKindNames)> m_counts {};
    std::array<gv::Bitmap, kScreenCount> m_scratch; // one per screen, so each keeps its size
    long m_programs { 0 };
    long m_paint_checks { 0 };
};

TEST(RandomUse, EveryRuleHoldsAfterEveryEvent) {
    const std::uint64_t s = seed();
    const long events = event_count(120000);
    std::printf("random use: seed %llu (GRIMVEIL_SEED), %ld events (GRIMVEIL_EVENTS)\n",
                static_cast<unsigned long long>(s), events);
    const auto began = std::chrono::steady_clock::now();
    Storm storm(s);
    ASSERT_TRUE(storm.start()) << "seed " << s;
    // The last events, for the report of a failure.
    std::array<Event, 16> recent {};
    for (long n = 0; n < events; ++n) {
        const Event e = storm.next();
        recent[std::size_t(n) % recent.size()] = e;
        storm.apply(e);
        if (auto held = storm.check(n % kFullCheckEvery == 0); !held) {
            std::string log;
            for (long k = std::max(0L, n - long(recent.size()) + 1); k <= n; ++k)
                log += "\n  " + std::to_string(k) + ": " + describe(recent[std::size_t(k) % recent.size()]);
            FAIL() << "seed " << s << ", event " << n << " (" << describe(e) << "): " << held.message()
                   << "\nthe last events:" << log << "\nreplay with GRIMVEIL_SEED=" << s;
        }
        if (storm.finished()) {
            ASSERT_TRUE(storm.check_the_end()) << "seed " << s << ", event " << n;
            ASSERT_TRUE(storm.start()) << "seed " << s << ", event " << n;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("random use: %ld events in %.1f s, %ld programs, %ld comparisons with a fresh paint\n"
                "  %s\n",
                events, seconds, storm.programs(), storm.paint_checks(), storm.counts().c_str());
    EXPECT_EQ(storm.unreached(), std::vector<std::string_view> {}) << "seed " << s << ": never reached";
    EXPECT_GT(storm.programs(), 10) << "seed " << s << ": the program should end and start again";
}

} // namespace
} // namespace grimveil::testing
