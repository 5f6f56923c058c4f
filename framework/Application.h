#pragma once

#include "Clock.h"
#include "Font.h"
#include "Screen.h"
#include "ScreenDefinition.h"
#include "Status.h"
#include "WindowSystem.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace gv {

struct Platform {
    WindowSystem& windows;
    PictureSource& pictures;
    FontProvider& fonts;
    Clock& clock;
};

// The running program: one instance per registered screen, the three screen
// operations, the handlers run on events and timer ticks, and the end of the
// program once no screen is loaded.
class Application final : public WindowEvents {
public:
    Application(std::span<const ScreenDefinition> registry, Platform);
    ~Application() override;

    // Loads and shows the start-up screen. A failure here means the program
    // cannot run at all.
    Status start(ScreenIndex);

    // The three screen operations.
    Status show(ScreenIndex);
    Status minimize(ScreenIndex);
    void unload(ScreenIndex);

    // The event loop: delivers input and timer ticks until no screen is
    // loaded or the window system ends the wait. Idle time before a tick
    // goes to preparing what the timers will bring up. Returns the exit status.
    int run();

    // The earliest moment an enabled timer of a loaded screen falls due.
    std::optional<std::int64_t> next_timer_deadline() const;
    // Delivers every tick due at the clock's present time, in order of due time.
    void run_due_timers();

    // True once the program has started and no screen is loaded any more.
    bool finished() const { return m_started && m_loaded_count == 0; }

    std::span<const ScreenDefinition> registry() const { return m_registry; }
    std::optional<ScreenIndex> find_screen(std::string_view name) const;
    // The loaded instance, or null when the screen is not loaded.
    const Screen* loaded(ScreenIndex i) const { return m_screens[i].get(); }
    Screen* loaded(ScreenIndex i) { return m_screens[i].get(); }

    // Where a failing handler step is reported; stderr unless a test listens.
    void set_reporter(std::function<void(std::string_view)> r) { m_report = std::move(r); }

    // WindowEvents
    void window_mouse_move(int tag, Point) override;
    void window_mouse_button(int tag, Point, MouseButton, bool pressed) override;
    void window_close_requested(int tag) override;
    void window_state_changed(int tag, WindowState) override;
    void window_resized(int tag, Size) override;
    void window_exposed(int tag) override;

private:
    Status load(ScreenIndex);
    void run_handler(ScreenIndex own, const Handler&);
    Status perform(ScreenIndex own, const Step&);
    void arm(Control& timer);
    // Decodes or renders one more thing that a screen a timer can bring up
    // will need, so that its load finds it ready. False when nothing is left.
    bool prepare_ahead();
    // Puts what the last event changed on screen, once no handler is running.
    void flush();

    std::span<const ScreenDefinition> m_registry;
    Platform m_platform;
    std::vector<std::unique_ptr<Screen>> m_screens;
    std::vector<std::unique_ptr<Screen>> m_closing; // unloaded by the running handler, windows still open
    int m_loaded_count { 0 };
    bool m_started { false };
    int m_running_handlers { 0 };
    std::uint64_t m_timer_sequence { 0 };
    std::function<void(std::string_view)> m_report;
    std::vector<bool> m_prepared;        // by screen: everything its load needs is ready
    bool m_preparation_pending { true }; // until a look finds nothing left to prepare
    std::size_t m_preparing { 0 };       // the screen being prepared
    std::size_t m_prepare_cursor { 0 };  // the next of its needs
};

} // namespace gv
