// Application: [operations] on screens, [handlers] and [timers], the [event
// loop] with its preparation ahead, [window events].
#include "Application.h"

#include "Twips.h"
#include "Verify.h"

#include <algorithm>
#include <cstdio>

namespace gv {

Application::Application(std::span<const ScreenDefinition> registry, Platform platform)
    : m_registry(registry)
    , m_platform(platform)
    , m_screens(registry.size())
    , m_report([](std::string_view line) { std::fprintf(stderr, "%.*s\n", int(line.size()), line.data()); })
    , m_prepared(registry.size(), false) {}

Application::~Application() {
    // Windows go before the window system that made them.
    m_screens.clear();
}

std::optional<ScreenIndex> Application::find_screen(std::string_view name) const {
    for (std::size_t i = 0; i < m_registry.size(); ++i)
        if (m_registry[i].layout->name == name) return ScreenIndex(i);
    return std::nullopt;
}

Status Application::start(ScreenIndex first) {
    m_started = true;
    ++m_running_handlers;
    Status status = show(first);
    --m_running_handlers;
    flush();
    return status;
}

// [operations]

namespace {

// The window a screen asks for, without its icon.
WindowSpec window_spec(const ScreenLayout& layout, ScreenIndex i) {
    WindowSpec wanted;
    wanted.title = std::string(layout.caption);
    wanted.client_size = { twips_to_pixels(layout.client_width), twips_to_pixels(layout.client_height) };
    wanted.start_position = layout.start_position;
    wanted.show_in_taskbar = layout.show_in_taskbar;
    wanted.tag = i;
    wanted.initial_state = layout.window_state;
    return wanted;
}

} // namespace

Status Application::load(ScreenIndex i) {
    const ScreenDefinition& def = m_registry[i];
    const ScreenLayout& layout = *def.layout;

    WindowSpec wanted = window_spec(layout, i);
    if (!layout.icon.empty()) {
        const auto* images = m_platform.pictures.icon(layout.icon);
        if (!images || images->empty())
            return Status::failure("icon " + std::string(layout.icon) + " could not be decoded");
        wanted.icon = &images->front();
    }
    auto window = m_platform.windows.create_window(wanted, *this);
    if (!window)
        return Status::failure("no window for " + std::string(layout.name) + ": " +
                               m_platform.windows.last_error());

    std::unique_ptr<Screen> screen;
    if (Status built = Screen::build(def, m_platform.pictures, m_platform.fonts, screen); !built)
        return built;
    // The surface is made when the screen is first shown: the minimise walk
    // loads every page hidden, and they would hold their pictures twice.
    screen->set_window(std::move(window));
    screen->set_window_state(layout.window_state);
    screen->set_state_before_minimize(layout.window_state);
    for (int t : screen->timers())
        if (Control& c = screen->controls()[t]; c.enabled) arm(c);

    m_screens[i] = std::move(screen);
    ++m_loaded_count;
    m_preparation_pending = true;
    if (const Handler* on_load = m_screens[i]->handler_for(kForm, Event::Load)) run_handler(i, *on_load);
    return Status::ok();
}

Status Application::show(ScreenIndex i) {
    if (!m_screens[i]) {
        if (Status loaded = load(i); !loaded) return loaded;
        // The Load handler may have unloaded its own screen.
        if (!m_screens[i]) return Status::ok();
    }
    Screen& s = *m_screens[i];
    if (s.shown()) return Status::ok();
    s.set_shown(true);
    s.window()->show(s.window_state());
    s.resize_surface(s.window()->client_size());
    s.invalidate_all();
    return Status::ok();
}

Status Application::minimize(ScreenIndex i) {
    if (!m_screens[i]) {
        if (Status loaded = load(i); !loaded) return loaded;
        if (!m_screens[i]) return Status::ok();
    }
    Screen& s = *m_screens[i];
    if (s.window_state() == WindowState::Minimized) return Status::ok();
    s.set_state_before_minimize(s.window_state());
    s.set_window_state(WindowState::Minimized);
    if (s.shown()) s.window()->minimize();
    return Status::ok();
}

void Application::unload(ScreenIndex i) {
    if (!m_screens[i]) return;
    // Within a handler the window goes once the handler's picture is out:
    // the screen that follows shows without waiting on this one's end.
    if (m_running_handlers > 0)
        m_closing.push_back(std::move(m_screens[i]));
    else
        m_screens[i].reset();
    --m_loaded_count;
    m_preparation_pending = true;
}

// [handlers]

void Application::run_handler(ScreenIndex own, const Handler& handler) {
    // The steps are constant data, so they outlive an unload of their own
    // screen within the run; each step looks its screen up afresh.
    ++m_running_handlers;
    for (const Step& step : handler.steps) {
        if (Status status = perform(own, step); !status) {
            m_report(std::string(handler.name) + ": " + status.error());
            break;
        }
    }
    --m_running_handlers;
    flush();
}

Status Application::perform(ScreenIndex own, const Step& step) {
    if (is_control_step(step.kind)) {
        Screen* s = m_screens[own].get();
        if (!s) return Status::failure(std::string(m_registry[own].layout->name) + " is not loaded");
        Control& c = s->controls()[step.target];
        switch (step.kind) {
        case StepKind::ShowControl:
            s->set_control_visible(step.target, true);
            break;
        case StepKind::HideControl:
            s->set_control_visible(step.target, false);
            break;
        case StepKind::EnableTimer:
            if (!c.enabled) {
                c.enabled = true;
                arm(c);
            }
            break;
        case StepKind::DisableTimer:
            c.enabled = false;
            break;
        default:
            break;
        }
        return Status::ok();
    }
    const auto target = ScreenIndex(step.target);
    switch (step.kind) {
    case StepKind::ShowScreen:
        return show(target);
    case StepKind::MinimizeScreen:
        return minimize(target);
    case StepKind::UnloadScreen:
        unload(target);
        return Status::ok();
    default:
        return Status::ok();
    }
}

void Application::flush() {
    if (m_running_handlers > 0) return;
    for (auto& s : m_screens) {
        if (!s || !s->shown()) continue;
        auto changed = s->repaint();
        if (!changed.empty()) s->window()->present(s->surface(), changed);
    }
    m_closing.clear();
}

// [timers]

void Application::arm(Control& timer) {
    timer.deadline = m_platform.clock.now_ms() + timer.record->interval;
    timer.sequence = ++m_timer_sequence;
}

namespace {
// An interval of 0 means a timer that never ticks, as on the platform it imitates.
bool ticking(const Control& timer) {
    return timer.enabled && timer.record->interval > 0;
}
} // namespace

std::optional<std::int64_t> Application::next_timer_deadline() const {
    std::optional<std::int64_t> next;
    for (const auto& s : m_screens) {
        if (!s) continue;
        for (int t : s->timers())
            if (const Control& c = s->controls()[t]; ticking(c) && (!next || c.deadline < *next))
                next = c.deadline;
    }
    return next;
}

void Application::run_due_timers() {
    const std::int64_t now = m_platform.clock.now_ms();
    while (true) {
        ScreenIndex due_screen = 0;
        Control* due = nullptr;
        for (std::size_t i = 0; i < m_screens.size(); ++i) {
            if (!m_screens[i]) continue;
            for (int t : m_screens[i]->timers()) {
                Control& c = m_screens[i]->controls()[t];
                if (!ticking(c) || c.deadline > now) continue;
                if (!due || c.deadline < due->deadline ||
                    (c.deadline == due->deadline && c.sequence < due->sequence)) {
                    due = &c;
                    due_screen = ScreenIndex(i);
                }
            }
        }
        if (!due) return;
        // Ticks missed while the program was held up are not made up for.
        const int interval = due->record->interval;
        due->deadline += interval;
        if (due->deadline <= now) due->deadline += (now - due->deadline) / interval * interval + interval;
        due->sequence = ++m_timer_sequence;
        const int index = int(due - m_screens[due_screen]->controls().data());
        if (const Handler* h = m_screens[due_screen]->handler_for(index, Event::Timer))
            run_handler(due_screen, *h);
    }
}

// [event loop]

int Application::run() {
    // A tick this near is not put off for preparation: a picture may take
    // a few milliseconds to decode.
    constexpr std::int64_t kPreparationRoom = 30;
    while (!finished()) {
        run_due_timers();
        if (finished()) break;
        std::optional<std::int64_t> timeout;
        if (auto due = next_timer_deadline())
            timeout = std::max<std::int64_t>(0, *due - m_platform.clock.now_ms());
        WaitResult waited;
        if (m_preparation_pending && (!timeout || *timeout >= kPreparationRoom)) {
            // Input first, then one piece of preparation, then look again.
            waited = m_platform.windows.wait(0);
            if (waited == WaitResult::TimedOut && prepare_ahead()) continue;
            if (waited == WaitResult::TimedOut) waited = m_platform.windows.wait(timeout);
        } else {
            waited = m_platform.windows.wait(timeout);
        }
        if (waited == WaitResult::Ended) break;
    }
    return 0;
}

namespace {

// What a screen's load and its first picture need, in that order: its
// window made ready with its icon, memory for its picture, then what it
// decodes or renders. False once `n` is past the last.
bool nth_need(const ScreenLayout& layout, ScreenIndex i, std::size_t n, const Platform& platform) {
    PictureSource& pictures = platform.pictures;
    FontProvider& fonts = platform.fonts;
    if (n-- == 0) {
        WindowSpec wanted = window_spec(layout, i);
        if (!layout.icon.empty())
            if (const auto* images = pictures.icon(layout.icon); images && !images->empty())
                wanted.icon = &images->front();
        platform.windows.prepare_window(wanted);
        return true;
    }
    if (n-- == 0) {
        const Size size =
            layout.window_state == WindowState::Maximized
                ? platform.windows.display_size()
                : Size { twips_to_pixels(layout.client_width), twips_to_pixels(layout.client_height) };
        Bitmap::prepare_memory(size);
        return true;
    }
    if (!layout.picture.empty() && n-- == 0) {
        pictures.picture(layout.picture);
        return true;
    }
    for (const ControlRecord& c : layout.controls) {
        const bool needs =
            (c.kind == ControlKind::PictureBox && !c.picture.empty()) || c.kind == ControlKind::Label;
        if (!needs || n-- != 0) continue;
        if (c.kind == ControlKind::Label) {
            if (const Font* font = fonts.font(c.font)) font->prepare(c.caption);
        } else
            pictures.picture(c.picture);
        return true;
    }
    return false;
}

} // namespace

bool Application::prepare_ahead() {
    // The screens a timer of a loaded screen shows or minimises: a tick
    // brings them up with nobody's click to excuse the wait.
    for (const auto& s : m_screens) {
        if (!s) continue;
        for (int t : s->timers()) {
            const Handler* h = s->handler_for(t, Event::Timer);
            if (!h) continue;
            for (const Step& step : h->steps) {
                if (step.kind != StepKind::ShowScreen && step.kind != StepKind::MinimizeScreen) continue;
                const auto target = std::size_t(step.target);
                if (m_prepared[target] || m_screens[target]) continue;
                if (m_preparing != target) {
                    m_preparing = target;
                    m_prepare_cursor = 0;
                }
                if (nth_need(*m_registry[target].layout, ScreenIndex(target), m_prepare_cursor++, m_platform))
                    return true;
                // A failure shows, and is reported, when the screen loads.
                m_prepared[target] = true;
                m_prepare_cursor = 0;
            }
        }
    }
    // Nothing more until the loaded screens change.
    m_preparation_pending = false;
    return false;
}

// [window events]

void Application::window_mouse_move(int tag, Point p) {
    Screen* s = m_screens[tag].get();
    if (!s) return;
    if (const Handler* h = s->handler_for(s->control_at(p), Event::MouseMove))
        run_handler(ScreenIndex(tag), *h);
}

void Application::window_mouse_button(int tag, Point p, MouseButton button, bool pressed) {
    Screen* s = m_screens[tag].get();
    if (!s || button != MouseButton::Primary) return;
    const int under = s->control_at(p);
    if (pressed) {
        s->pressed = under;
        return;
    }
    const bool same = s->pressed && *s->pressed == under;
    s->pressed.reset();
    if (!same) return;
    if (const Handler* h = s->handler_for(under, Event::Click)) run_handler(ScreenIndex(tag), *h);
}

void Application::window_close_requested(int tag) {
    const Screen* s = m_screens[tag].get();
    if (!s) return;
    if (const Handler* h = s->handler_for(kForm, Event::QueryUnload))
        run_handler(ScreenIndex(tag), *h);
    else
        unload(ScreenIndex(tag));
}

void Application::window_state_changed(int tag, WindowState state) {
    Screen* s = m_screens[tag].get();
    if (!s) return;
    if (state == WindowState::Minimized) {
        if (s->window_state() != WindowState::Minimized) {
            s->set_state_before_minimize(s->window_state());
            s->set_window_state(WindowState::Minimized);
        }
        return;
    }
    // Restored by the user: back to the state it had before, maximised for a
    // screen that was maximised.
    if (s->window_state() == WindowState::Minimized) {
        s->set_window_state(s->state_before_minimize());
        if (!s->shown()) return;
        s->window()->show(s->window_state());
        s->resize_surface(s->window()->client_size());
        s->invalidate_all();
        flush();
    }
}

void Application::window_resized(int tag, Size size) {
    if (Screen* s = m_screens[tag].get()) {
        s->resize_surface(size);
        flush();
    }
}

void Application::window_exposed(int tag) {
    // The picture is up to date; the window system only lost its copy of it.
    flush();
    if (Screen* s = m_screens[tag].get(); s && s->shown()) {
        const Rect all = s->surface().rect();
        s->window()->present(s->surface(), { &all, 1 });
    }
}

} // namespace gv
