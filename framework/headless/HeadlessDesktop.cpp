#include "HeadlessDesktop.h"

#include <algorithm>

namespace gv {

class HeadlessWindow final : public Window {
public:
    HeadlessWindow(HeadlessDesktop& desktop, const WindowSpec& wanted, WindowEvents& events)
        : m_desktop(desktop)
        , m_spec(wanted)
        , m_events(events)
        , m_frame { 0, 0, wanted.client_size.width, wanted.client_size.height }
        , m_has_icon(wanted.icon != nullptr)
        , m_serial(++desktop.m_windows_made) {
        const Size d = desktop.display_size();
        switch (wanted.start_position) {
        case StartPosition::CenterOwner:
        case StartPosition::CenterScreen:
            m_frame.x = (d.width - m_frame.width) / 2;
            m_frame.y = (d.height - m_frame.height) / 2;
            break;
        case StartPosition::WindowsDefault: {
            const Point at = cascade_place(d, wanted.client_size, desktop.m_default_places++);
            m_frame.x = at.x;
            m_frame.y = at.y;
            break;
        }
        }
        m_normal_frame = m_frame;
    }
    ~HeadlessWindow() override {
        m_desktop.m_journal.push_back("destroy " + m_spec.title);
        m_desktop.remove(this);
    }

    void show(WindowState state) override {
        if (m_gone) return;
        m_desktop.m_journal.push_back("show " + m_spec.title);
        m_shown = true;
        set_state(state);
        m_desktop.raise(this);
    }
    void minimize() override {
        if (m_gone) return;
        m_desktop.m_journal.push_back("minimize " + m_spec.title);
        set_state(WindowState::Minimized);
    }
    Size client_size() const override { return m_frame.size(); }
    // Copies the given rectangles alone, as the SDL layer does into its
    // window surface: a rectangle left off the list stays as it was.
    void present(const Bitmap& surface, std::span<const Rect> changed) override {
        if (m_gone) return;
        ++m_presents;
        const Rect target = surface.rect().intersected(m_pixels.rect());
        for (Rect r : changed) {
            m_presented_pixels += std::int64_t(r.width) * r.height;
            const Rect d = r.intersected(target);
            for (int y = d.y; y < d.bottom(); ++y)
                std::copy_n(surface.row(y) + d.x, d.width, m_pixels.row(y) + d.x);
        }
    }

    void set_state(WindowState state) {
        if (state == WindowState::Minimized && m_state != WindowState::Minimized) m_before_minimize = m_state;
        m_state = state;
        if (state == WindowState::Maximized)
            m_frame = { 0, 0, m_desktop.display_size().width, m_desktop.display_size().height };
        else if (state == WindowState::Normal)
            m_frame = m_normal_frame;
        // A window shown for the first time or at a new size starts black, as
        // a window surface does.
        if (m_frame.size() != m_pixels.size()) m_pixels = Bitmap(m_frame.width, m_frame.height);
    }

    bool on_screen() const { return m_shown && m_state != WindowState::Minimized; }

    HeadlessDesktop& m_desktop;
    WindowSpec m_spec;
    WindowEvents& m_events;
    Rect m_frame;
    Rect m_normal_frame;
    bool m_has_icon { false };
    int m_serial { 0 };
    bool m_shown { false };
    WindowState m_state { WindowState::Normal };
    WindowState m_before_minimize { WindowState::Normal };
    bool m_gone { false }; // destroyed from outside; the program still holds it
    Bitmap m_pixels;
    int m_presents { 0 };
    std::int64_t m_presented_pixels { 0 };
};

HeadlessDesktop::HeadlessDesktop(Size display)
    : m_display(display) {}

HeadlessDesktop::~HeadlessDesktop() = default;

std::unique_ptr<Window> HeadlessDesktop::create_window(const WindowSpec& wanted, WindowEvents& events) {
    if (m_fail_next_create) {
        m_fail_next_create = false;
        m_last_error = "the desktop refused the window";
        return nullptr;
    }
    m_journal.push_back("create " + wanted.title);
    auto w = std::make_unique<HeadlessWindow>(*this, wanted, events);
    m_stack.push_back(w.get());
    m_created.push_back(w.get());
    return w;
}

void HeadlessDesktop::prepare_window(const WindowSpec& wanted) {
    m_journal.push_back("prepare " + wanted.title);
}

void HeadlessDesktop::remove(HeadlessWindow* w) {
    std::erase(m_stack, w);
    std::erase(m_created, w);
    if (m_pressed_in == w) m_pressed_in = nullptr;
}

void HeadlessDesktop::raise(HeadlessWindow* w) {
    std::erase(m_stack, w);
    m_stack.push_back(w);
}

std::vector<HeadlessDesktop::WindowInfo> HeadlessDesktop::windows() const {
    std::vector<WindowInfo> out;
    for (const HeadlessWindow* w : m_stack)
        out.push_back({ w->m_spec.title, w->m_frame, w->m_shown, w->m_state, w->m_spec.show_in_taskbar,
                        w->m_has_icon, w->m_spec.tag, w->m_presents, w->m_presented_pixels, w->m_serial });
    return out;
}

std::optional<HeadlessDesktop::WindowInfo> HeadlessDesktop::window(int tag) const {
    for (const WindowInfo& info : windows())
        if (info.tag == tag) return info;
    return std::nullopt;
}

std::vector<std::string> HeadlessDesktop::taskbar() const {
    std::vector<std::string> out;
    for (const HeadlessWindow* w : m_created)
        if (w->m_spec.show_in_taskbar && w->m_shown) out.push_back(w->m_spec.title);
    return out;
}

HeadlessWindow* HeadlessDesktop::top_window_at(Point p) const {
    for (auto it = m_stack.rbegin(); it != m_stack.rend(); ++it)
        if ((*it)->on_screen() && (*it)->m_frame.contains(p)) return *it;
    return nullptr;
}

std::optional<int> HeadlessDesktop::window_at(Point p) const {
    if (const HeadlessWindow* w = top_window_at(p)) return w->m_spec.tag;
    return std::nullopt;
}

void HeadlessDesktop::move_to(Point p) {
    if (HeadlessWindow* w = top_window_at(p))
        w->m_events.window_mouse_move(w->m_spec.tag, { p.x - w->m_frame.x, p.y - w->m_frame.y });
}

void HeadlessDesktop::press(Point p) {
    // As a window manager does, a press brings its window to the front.
    m_pressed_in = top_window_at(p);
    if (m_pressed_in) raise(m_pressed_in);
    if (m_pressed_in)
        m_pressed_in->m_events.window_mouse_button(
            m_pressed_in->m_spec.tag, { p.x - m_pressed_in->m_frame.x, p.y - m_pressed_in->m_frame.y },
            MouseButton::Primary, true);
}

void HeadlessDesktop::release(Point p) {
    // The window a press went down in keeps the mouse until the release.
    HeadlessWindow* w = m_pressed_in;
    m_pressed_in = nullptr;
    if (w)
        w->m_events.window_mouse_button(w->m_spec.tag, { p.x - w->m_frame.x, p.y - w->m_frame.y },
                                        MouseButton::Primary, false);
}

HeadlessWindow* HeadlessDesktop::find(int tag) const {
    for (HeadlessWindow* w : m_stack)
        if (w->m_spec.tag == tag) return w;
    return nullptr;
}

void HeadlessDesktop::restore_from_taskbar(int tag) {
    if (HeadlessWindow* w = find(tag); w && w->m_spec.show_in_taskbar) restore_window(tag);
}

void HeadlessDesktop::minimize_window(int tag) {
    HeadlessWindow* w = find(tag);
    if (!w || !w->m_shown || w->m_state == WindowState::Minimized) return;
    m_journal.push_back("minimize " + w->m_spec.title);
    w->set_state(WindowState::Minimized);
    w->m_events.window_state_changed(tag, WindowState::Minimized);
}

void HeadlessDesktop::restore_window(int tag) {
    HeadlessWindow* w = find(tag);
    if (!w || !w->m_shown || w->m_state != WindowState::Minimized) return;
    m_journal.push_back("restore " + w->m_spec.title);
    w->set_state(w->m_before_minimize);
    raise(w);
    w->m_events.window_state_changed(tag, w->m_state);
}

void HeadlessDesktop::request_close(int tag) {
    if (HeadlessWindow* w = find(tag)) w->m_events.window_close_requested(tag);
}

void HeadlessDesktop::destroy_from_outside(int tag) {
    HeadlessWindow* w = find(tag);
    if (!w) return;
    m_journal.push_back("gone " + w->m_spec.title);
    w->m_gone = true;
    remove(w);
    w->m_events.window_close_requested(tag);
}

void HeadlessDesktop::expose(int tag) {
    HeadlessWindow* w = find(tag);
    if (!w || !w->on_screen()) return;
    // What the window system shows of a window whose pixels it lost.
    w->m_pixels = Bitmap(w->m_pixels.width(), w->m_pixels.height(), rgb(255, 0, 255));
    w->m_events.window_exposed(tag);
}

Bitmap HeadlessDesktop::compose() const {
    Bitmap out(m_display.width, m_display.height, rgb(0, 64, 64));
    Painter painter(out);
    for (const HeadlessWindow* w : m_stack) {
        if (!w->on_screen()) continue;
        PainterStateSaver saver(painter);
        painter.clip_to(w->m_frame);
        painter.draw_bitmap(w->m_frame.origin(), w->m_pixels);
    }
    return out;
}

Rgb HeadlessDesktop::pixel(Point p) const {
    const HeadlessWindow* w = top_window_at(p);
    if (!w) return rgb(0, 64, 64);
    return w->m_pixels.pixel(p.x - w->m_frame.x, p.y - w->m_frame.y);
}

const Bitmap* HeadlessDesktop::presented(int tag) const {
    const HeadlessWindow* w = find(tag);
    return w ? &w->m_pixels : nullptr;
}

WaitResult HeadlessDesktop::wait(std::optional<std::int64_t> timeout_ms) {
    if (!timeout_ms) return WaitResult::Ended;
    if (m_clock) m_clock->set(m_clock->now_ms() + *timeout_ms);
    return WaitResult::TimedOut;
}

void advance_virtual_time(Application& app, VirtualClock& clock, std::int64_t ms) {
    const std::int64_t target = clock.now_ms() + ms;
    while (auto due = app.next_timer_deadline()) {
        if (*due > target) break;
        clock.set(std::max(*due, clock.now_ms()));
        app.run_due_timers();
    }
    clock.set(target);
}

} // namespace gv
