#pragma once

#include "framework/Application.h"
#include "framework/WindowSystem.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gv {

class HeadlessWindow;

// An in-memory desktop: it places windows as a window system would, keeps
// their stacking order, states and task-bar buttons, composes what is shown
// into one picture and takes pointer input at desktop pixels. Each window
// keeps its own copy of the pixels it was given, and only of the rectangles
// it was given, so what the desktop shows is what was presented.
class HeadlessDesktop final : public WindowSystem {
public:
    explicit HeadlessDesktop(Size display = { 1024, 768 });
    ~HeadlessDesktop() override;

    std::unique_ptr<Window> create_window(const WindowSpec&, WindowEvents&) override;
    // Noted in the journal only: there is nothing to make ready.
    void prepare_window(const WindowSpec&) override;
    Size display_size() const override { return m_display; }
    std::string last_error() const override { return m_last_error; }
    // Input reaches the desktop only from the test's own calls, never during
    // a wait: a wait with a time-out moves the virtual clock, if the desktop
    // was given one, by the time-out; one without can only end.
    WaitResult wait(std::optional<std::int64_t> timeout_ms) override;
    void set_clock(VirtualClock* clock) { m_clock = clock; }

    // What a test can see of a window.
    struct WindowInfo {
        std::string title;
        Rect frame; // desktop pixels
        bool shown { false };
        WindowState state { WindowState::Normal };
        bool taskbar_button { false };
        bool has_icon { false };
        int tag { 0 };
        int presents { 0 };                  // how many times it was put on screen
        std::int64_t presented_pixels { 0 }; // the pixels those presents covered
        int serial { 0 };                    // its place in the order of creation: no two windows share one
    };
    // Windows from the bottom of the stack to the top, hidden ones included.
    std::vector<WindowInfo> windows() const;
    // The window of a tag (a screen index), if it has one.
    std::optional<WindowInfo> window(int tag) const;
    // Titles of the task-bar buttons, in the order the windows were made.
    std::vector<std::string> taskbar() const;
    // The tag of the topmost shown window at a desktop point.
    std::optional<int> window_at(Point) const;

    // Pointer input at desktop pixels, routed to the topmost shown window there.
    void move_to(Point);
    void press(Point);
    void release(Point);
    void click(Point p) {
        press(p);
        release(p);
    }
    // The user's own window-system actions.
    void restore_from_taskbar(int tag);
    // Minimises or restores a shown window, whether or not it has a task-bar button.
    void minimize_window(int tag);
    void restore_window(int tag);
    void request_close(int tag);
    // Another client destroys the window: it leaves the desktop at once, and
    // the program hears of it as a request to close.
    void destroy_from_outside(int tag);
    // The window system loses what a shown window showed and asks for all of it.
    void expose(int tag);

    // What the display shows.
    Bitmap compose() const;
    Rgb pixel(Point) const;
    // The pixels a window was given, at its client size; null without a window.
    const Bitmap* presented(int tag) const;

    // What happened to windows, in order: "create T", "show T", "minimize T",
    // "restore T", "destroy T", and "gone T" for a window destroyed from
    // outside, with T the window's title.
    const std::vector<std::string>& journal() const { return m_journal; }

    // Makes the next create_window fail, for tests of the error path.
    void fail_next_create() { m_fail_next_create = true; }

private:
    friend class HeadlessWindow;
    HeadlessWindow* top_window_at(Point) const;
    HeadlessWindow* find(int tag) const;
    void raise(HeadlessWindow*);
    void remove(HeadlessWindow*);

    Size m_display;
    std::vector<HeadlessWindow*> m_stack;   // bottom first
    std::vector<HeadlessWindow*> m_created; // creation order, for the task bar
    int m_default_places { 0 };
    int m_windows_made { 0 };
    bool m_fail_next_create { false };
    std::string m_last_error;
    std::vector<std::string> m_journal;
    HeadlessWindow* m_pressed_in { nullptr };
    VirtualClock* m_clock { nullptr };
};

// Runs the application's timers on a virtual clock: every tick falls exactly
// at its due time, and no time passes in between.
void advance_virtual_time(Application&, VirtualClock&, std::int64_t ms);

} // namespace gv
