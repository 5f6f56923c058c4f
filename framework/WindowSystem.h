#pragma once

#include "Bitmap.h"
#include "Layout.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gv {

// A window icon: one or more images, 0xAARRGGBB.
struct IconImage {
    int width { 0 };
    int height { 0 };
    std::vector<std::uint32_t> argb;
};

enum class MouseButton { Primary, Other };

// What a window reports back. Each window carries the tag it was created with.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void window_mouse_move(int tag, Point) = 0;
    virtual void window_mouse_button(int tag, Point, MouseButton, bool pressed) = 0;
    // The window system asks the window to close (a key combination, the task bar).
    virtual void window_close_requested(int tag) = 0;
    // The user minimised or restored the window through the window system.
    virtual void window_state_changed(int tag, WindowState) = 0;
    // The client area was resized by the window system (a maximised window).
    virtual void window_resized(int tag, Size) = 0;
    // The window system lost what the window showed; it needs all of it again.
    virtual void window_exposed(int tag) = 0;
};

// Where a desktop puts the nth new window it is not told where to put: down
// and to the right of the one before, from near the top-left corner, starting
// over after eight or when the next would reach past the display.
constexpr Point cascade_place(Size display, Size window, int nth) {
    constexpr int step = 26;
    const int room_x = (display.width - window.width) / step,
              room_y = (display.height - window.height) / step;
    const int places = std::max(1, std::min({ 8, room_x, room_y }));
    const int offset = step * (1 + nth % places);
    return { std::max(0, std::min(offset, display.width - window.width)),
             std::max(0, std::min(offset, display.height - window.height)) };
}

struct WindowSpec {
    std::string title;
    Size client_size;
    StartPosition start_position { StartPosition::CenterScreen };
    bool show_in_taskbar { false };
    const IconImage* icon { nullptr };
    int tag { 0 };
    // The state it is first shown in: a window to be maximised can be made
    // at the display's size at once.
    WindowState initial_state { WindowState::Normal };
};

// A borderless top-level window, created hidden.
class Window {
public:
    virtual ~Window() = default;
    // Shows the window in the given state, in front of the others, active.
    virtual void show(WindowState) = 0;
    // Minimises a shown window.
    virtual void minimize() = 0;
    // The client area's size now: a maximised window covers the display.
    virtual Size client_size() const = 0;
    // Puts the changed rectangles of the window's picture on screen.
    virtual void present(const Bitmap&, std::span<const Rect> changed) = 0;
};

// How a wait for the window system ended.
enum class WaitResult {
    Delivered, // input arrived and went to the events of its window
    TimedOut,
    Ended, // the process is asked to end, or nothing can arrive any more
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Input for the window goes to the events given here.
    virtual std::unique_ptr<Window> create_window(const WindowSpec&, WindowEvents&) = 0;
    // A window like this one will be asked for soon, at a moment when it
    // should come at once: a layer may make ready, in idle time, what the
    // window's first picture will need.
    virtual void prepare_window(const WindowSpec&) {}
    // Waits at most `timeout_ms` (none: for as long as it takes) for input
    // and delivers the first that arrives.
    virtual WaitResult wait(std::optional<std::int64_t> timeout_ms) = 0;
    virtual Size display_size() const = 0;
    // Why the last create_window returned null.
    virtual std::string last_error() const = 0;
};

// The decoded pictures and icons that layouts name.
class PictureSource {
public:
    virtual ~PictureSource() = default;
    // Null when the name is unknown or the picture does not decode.
    virtual const Bitmap* picture(std::string_view name) = 0;
    virtual const std::vector<IconImage>* icon(std::string_view name) = 0;
};

} // namespace gv
