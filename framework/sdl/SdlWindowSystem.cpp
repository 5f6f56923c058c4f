// SdlWindowSystem: [setup], [windows] and the [event loop].
#include "SdlWindowSystem.h"

#include "DesktopScale.h"
#include "X11Errors.h"
#include "X11SharedImages.h"

#include "framework/CodePage1252.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace gv {

// [setup]

std::unique_ptr<SdlWindowSystem> SdlWindowSystem::open(std::string& error, Size largest_artwork) {
    // The GL path of the window framebuffer costs 100 ms at start and remaps
    // windows; the software one is all a picture-based guide needs.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Capture sends stray motion to the focused window while a button is down.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    // Closing one window unloads one screen; the program ends by itself.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // A guide beside a game has no business holding off the screensaver; this
    // also spares the D-Bus call that inhibiting it makes.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // There is no text input anywhere in the program, yet opening the input
    // method parses the locale's whole compose table: a third of the start.
    setenv("XCOMPOSEFILE", "/dev/null", 1);
    // SDL connects to both message buses at start, and with no session bus
    // the bus library forks a helper to launch one, which may outlive us.
    // Nothing the guide does needs a bus: no text input, no screensaver
    // inhibition, no sound.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    setenv("DBUS_SYSTEM_BUS_ADDRESS", "disabled:", 1);
    // Before SDL starts: SDL keeps the handler it finds and puts it back when
    // it closes the display, which is when the last stray errors arrive.
    install_x11_error_handler();
    const char* x_display = std::getenv("DISPLAY");
    const bool x = x_display && *x_display, wayland = std::getenv("WAYLAND_DISPLAY");
    if (!x && !wayland) {
        error = "neither DISPLAY nor WAYLAND_DISPLAY is set";
        return nullptr;
    }
    // Only the window systems that were named: the others would be tried in
    // turn, and some print their own complaints on the way.
    if (!wayland) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error = x && !wayland ? "no X server answers at DISPLAY=" + std::string(x_display) : SDL_GetError();
        return nullptr;
    }
    // Without a display SDL falls back to drivers that draw nowhere; a guide
    // nobody can see or click would run on for ever.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) {
        error = std::string("only SDL's ") + (driver ? driver : "no") + " video driver started";
        SDL_Quit();
        return nullptr;
    }
    // The X events SDL itself passes over: a window destroyed by another client.
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    auto system = std::make_unique<SdlWindowSystem>(Key {});
    system->m_largest_artwork = largest_artwork;
    return system;
}

SdlWindowSystem::SdlWindowSystem(Key) {}

SdlWindowSystem::~SdlWindowSystem() {
    for (const ReadyWindow& r : m_ready) SDL_DestroyWindow(r.window);
    m_shared.reset(); // detached while the display is still open
    SDL_Quit();
}

namespace {

Size display_pixels() {
    SDL_Rect r {};
    if (SDL_GetDisplayBounds(0, &r) != 0) return { 800, 600 };
    return { r.w, r.h };
}

} // namespace

Size SdlWindowSystem::display_size() const {
    const Size d = display_pixels();
    return { d.width / m_scale, d.height / m_scale };
}

// [windows]

class SdlWindow final : public Window {
public:
    SdlWindow(SdlWindowSystem& system, SDL_Window* window, WindowEvents& events, int tag, Size size,
              int scale)
        : m_system(system)
        , m_window(window)
        , m_events(events)
        , m_tag(tag)
        , m_size(size)
        , m_scale(scale) {
        m_system.m_windows[SDL_GetWindowID(window)] = this;
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
            m_display = info.info.x11.display;
            m_xwindow = info.info.x11.window;
            x11_window_known(m_xwindow);
        }
    }
    ~SdlWindow() override {
        m_system.m_windows.erase(SDL_GetWindowID(m_window));
        auto& stack = m_system.m_stack;
        stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
        if (!m_gone && SDL_GetKeyboardFocus() == m_window) pass_focus_down();
        if (m_gone) {
            // SDL unmaps a window before destroying it and waits for the
            // server's word that it is unmapped. A window another client
            // destroyed sends that word never, or already did; hand SDL one.
            XEvent unmapped {};
            unmapped.type = UnmapNotify;
            unmapped.xunmap.display = m_display;
            unmapped.xunmap.window = m_xwindow;
            unmapped.xunmap.event = m_xwindow;
            XPutBackEvent(m_display, &unmapped);
        }
        SDL_DestroyWindow(m_window);
        if (m_display) {
            XSync(m_display, False); // the last echoes arrive while the window is still known
            x11_window_forgotten(m_xwindow);
        }
    }

    // Another client destroyed the window: it is to be unloaded like a window
    // closed by request, without waiting on the server for it.
    bool is_x_window(unsigned long w) const { return m_display && w == m_xwindow; }
    void mark_gone() { m_gone = true; }

    // A window manager that chooses for itself where focus goes when the
    // focused window closes may pick the maximised main menu, and lift it,
    // as a full-screen window with focus, over every other. Hand focus to
    // the window that lay just below instead, leaving the stacking as it is.
    void pass_focus_down() {
        for (auto it = m_system.m_stack.rbegin(); it != m_system.m_stack.rend(); ++it) {
            SDL_Window* below = (*it)->m_window;
            const Uint32 flags = SDL_GetWindowFlags(below);
            if ((flags & SDL_WINDOW_SHOWN) && !(flags & SDL_WINDOW_MINIMIZED)) {
                SDL_SetWindowInputFocus(below);
                return;
            }
        }
    }

    void show(WindowState state) override {
        if (state == WindowState::Maximized) {
            // Cover the display ourselves: a borderless window may meet no
            // window manager that honours a maximise request.
            SDL_Rect bounds {};
            SDL_GetDisplayBounds(
                SDL_GetWindowDisplayIndex(m_window) < 0 ? 0 : SDL_GetWindowDisplayIndex(m_window), &bounds);
            SDL_Rect now {};
            SDL_GetWindowPosition(m_window, &now.x, &now.y);
            SDL_GetWindowSize(m_window, &now.w, &now.h);
            // A window made maximised is in place already; moving it again
            // would only cost its first picture a new framebuffer.
            const bool covers =
                now.x == bounds.x && now.y == bounds.y && now.w == bounds.w && now.h == bounds.h;
            if (!covers || (SDL_GetWindowFlags(m_window) & SDL_WINDOW_MINIMIZED)) {
                SDL_RestoreWindow(m_window);
                SDL_SetWindowPosition(m_window, bounds.x, bounds.y);
                SDL_SetWindowSize(m_window, bounds.w, bounds.h);
            }
            m_size = { bounds.w / m_scale, bounds.h / m_scale };
        } else if (SDL_GetWindowFlags(m_window) & SDL_WINDOW_MINIMIZED) {
            SDL_RestoreWindow(m_window);
        }
        auto& stack = m_system.m_stack;
        stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
        stack.push_back(this);
        if (state == WindowState::Minimized && !(SDL_GetWindowFlags(m_window) & SDL_WINDOW_SHOWN) &&
            m_display) {
            map_iconic();
            return;
        }
        SDL_ShowWindow(m_window);
        if (state == WindowState::Minimized) {
            SDL_MinimizeWindow(m_window);
        } else {
            SDL_RaiseWindow(m_window);
        }
    }

    // A window shown and then minimised is on screen for a moment. Ask the
    // window manager to map it iconic instead; SDL's own show would wait for
    // a map that an iconic window never gets. SDL learns the state from the
    // window manager's answer, as it does for the user's own minimising.
    void map_iconic() {
        XWMHints* hints = XGetWMHints(m_display, m_xwindow);
        if (!hints) hints = XAllocWMHints();
        if (!hints) {
            SDL_ShowWindow(m_window);
            SDL_MinimizeWindow(m_window);
            return;
        }
        hints->flags |= StateHint;
        hints->initial_state = IconicState;
        XSetWMHints(m_display, m_xwindow, hints);
        XFree(hints);
        XMapWindow(m_display, m_xwindow);
        XFlush(m_display);
    }

    void minimize() override { SDL_MinimizeWindow(m_window); }
    Size client_size() const override { return m_size; }

    // On X, through memory shared with the server when it offers it; else
    // through SDL's window surface.
    void present(const Bitmap& picture, std::span<const Rect> changed) override {
        if (SharedCanvas* canvas = shared_canvas()) {
            const Size size = canvas->size();
            m_put.clear();
            for (Rect d : copy_rectangles(picture, changed, size, canvas->pixels(), canvas->pitch(),
                                          SDL_PIXELFORMAT_RGB888))
                m_put.push_back(d);
            if (!m_put.empty()) canvas->put(m_put);
            return;
        }
        SDL_Surface* surface = SDL_GetWindowSurface(m_window);
        if (!surface) return;
        std::vector<SDL_Rect> rects;
        for (Rect d : copy_rectangles(picture, changed, { surface->w, surface->h },
                                      static_cast<unsigned char*>(surface->pixels), surface->pitch,
                                      surface->format->format))
            rects.push_back({ d.x, d.y, d.width, d.height });
        if (!rects.empty()) SDL_UpdateWindowSurfaceRects(m_window, rects.data(), int(rects.size()));
    }

    // The canvas for the window's present size, made again when it changes.
    SharedCanvas* shared_canvas() {
        SharedImages* shared = m_system.m_shared.get();
        if (!shared || m_no_canvas || m_gone) return nullptr;
        Size size;
        SDL_GetWindowSize(m_window, &size.width, &size.height);
        if (!m_canvas || m_canvas->size() != size) {
            m_canvas.reset(); // its segment may serve the new size
            m_canvas = shared->canvas(m_xwindow, size);
            // A window the server cannot show this way never will be.
            if (!m_canvas) m_no_canvas = true;
        }
        return m_canvas.get();
    }

    // Copies the changed rectangles of the picture into a frame of display
    // pixels (each f x f on a scaled desktop) and returns what it wrote, in
    // display pixels.
    const std::vector<Rect>& copy_rectangles(const Bitmap& picture, std::span<const Rect> changed, Size frame,
                                             unsigned char* pixels, int pitch, Uint32 format) {
        const int f = m_scale;
        const int bpp = SDL_BYTESPERPIXEL(format);
        const Rect target = Rect { 0, 0, frame.width / f, frame.height / f }.intersected(picture.rect());
        m_written.clear();
        for (Rect r : changed) {
            Rect d = r.intersected(target);
            if (d.empty()) continue;
            unsigned char* const origin =
                pixels + std::ptrdiff_t(d.y) * f * pitch + std::ptrdiff_t(d.x) * f * bpp;
            if (f == 1) {
                SDL_ConvertPixels(d.width, d.height, SDL_PIXELFORMAT_RGB888, picture.row(d.y) + d.x,
                                  picture.width() * 4, format, origin, pitch);
            } else {
                widen(picture, d, format, pitch, origin);
            }
            m_written.push_back({ d.x * f, d.y * f, d.width * f, d.height * f });
        }
        return m_written;
    }

    // Each pixel of `d` becomes an f x f block at `origin`: a row is widened
    // into the first of its f rows and copied to the rest. Pictures come in
    // the frame's own format on X; others are converted first, once.
    void widen(const Bitmap& picture, Rect d, Uint32 format, int pitch, unsigned char* origin) {
        const int f = m_scale;
        const int bpp = SDL_BYTESPERPIXEL(format);
        const unsigned char* source = reinterpret_cast<const unsigned char*>(picture.row(d.y) + d.x);
        int source_pitch = picture.width() * 4;
        if (format != SDL_PIXELFORMAT_RGB888) {
            m_converted.resize(std::size_t(d.width) * d.height * bpp);
            SDL_ConvertPixels(d.width, d.height, SDL_PIXELFORMAT_RGB888, source, source_pitch, format,
                              m_converted.data(), d.width * bpp);
            source = m_converted.data();
            source_pitch = d.width * bpp;
        }
        const std::size_t row_bytes = std::size_t(d.width) * f * bpp;
        for (int y = 0; y < d.height; ++y) {
            const unsigned char* src = source + std::ptrdiff_t(y) * source_pitch;
            unsigned char* first = origin + std::ptrdiff_t(y) * f * pitch;
            if (bpp == 4 && f == 2) {
                // The common factor, in a loop the compiler vectorises.
                const auto* in = reinterpret_cast<const std::uint32_t*>(src);
                auto* out = reinterpret_cast<std::uint32_t*>(first);
                for (int x = 0; x < d.width; ++x) {
                    out[2 * x] = in[x];
                    out[2 * x + 1] = in[x];
                }
            } else if (bpp == 4) {
                const auto* in = reinterpret_cast<const std::uint32_t*>(src);
                auto* out = reinterpret_cast<std::uint32_t*>(first);
                for (int x = 0; x < d.width; ++x, out += f) std::fill_n(out, f, in[x]);
            } else {
                for (int x = 0; x < d.width; ++x)
                    for (int k = 0; k < f; ++k)
                        std::memcpy(first + (std::ptrdiff_t(x) * f + k) * bpp, src + x * bpp, bpp);
            }
            for (int k = 1; k < f; ++k) std::memcpy(first + std::ptrdiff_t(k) * pitch, first, row_bytes);
        }
    }

    // Display pixels to the program's.
    Point to_model(int x, int y) const { return { x / m_scale, y / m_scale }; }
    void set_display_size(int w, int h) { m_size = { w / m_scale, h / m_scale }; }
    WindowEvents& events() const { return m_events; }
    int tag() const { return m_tag; }

private:
    SdlWindowSystem& m_system;
    SDL_Window* m_window;
    WindowEvents& m_events;
    int m_tag;
    Size m_size; // the program's pixels
    int m_scale;
    std::vector<unsigned char> m_converted; // a rectangle in the surface's format, for a scaled present
    std::vector<Rect> m_written;            // what the last copy wrote, in display pixels
    std::vector<Rect> m_put;
    Display* m_display { nullptr };
    unsigned long m_xwindow { 0 };
    bool m_gone { false };
    std::unique_ptr<SharedCanvas> m_canvas;
    bool m_no_canvas { false };
};

namespace {

// The desktop's factor, read once the first window gives us its X display.
int read_scale(SDL_Window* window, Size largest_artwork) {
    const char* gdk = std::getenv("GDK_SCALE");
    std::optional<double> dpi;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
        if (const char* resources = XResourceManagerString(info.info.x11.display)) dpi = xft_dpi(resources);
    return desktop_scale(gdk ? gdk : "", dpi, display_pixels(), largest_artwork);
}

} // namespace

SDL_Window* SdlWindowSystem::make_window(const WindowSpec& wanted) {
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    if (!wanted.show_in_taskbar) flags |= SDL_WINDOW_SKIP_TASKBAR;
    // In display pixels. SDL centres a window whose place is left undefined;
    // the window system's default place for a new window is the cascade, so say it.
    auto place = [&](int f) {
        SDL_Rect r { int(SDL_WINDOWPOS_CENTERED), int(SDL_WINDOWPOS_CENTERED), wanted.client_size.width * f,
                     wanted.client_size.height * f };
        if (SDL_Rect bounds {};
            wanted.initial_state == WindowState::Maximized && SDL_GetDisplayBounds(0, &bounds) == 0) {
            // Made where its show will put it: covering the display.
            r = bounds;
        } else if (wanted.start_position == StartPosition::WindowsDefault) {
            const Point at = cascade_place(display_pixels(), { r.w, r.h }, m_default_places);
            r.x = at.x;
            r.y = at.y;
        } else if (SDL_Rect bounds {}; f > 1 && SDL_GetDisplayBounds(0, &bounds) == 0) {
            r.x = bounds.x + (bounds.w - r.w) / 2;
            r.y = bounds.y + (bounds.h - r.h) / 2;
        }
        return r;
    };
    SDL_Rect at = place(m_scale);
    SDL_Window* window =
        SDL_CreateWindow(cp1252_to_utf8(wanted.title).c_str(), at.x, at.y, at.w, at.h, flags);
    if (!window) {
        m_last_error = SDL_GetError();
        return nullptr;
    }
    if (!m_scale_known) {
        m_scale_known = true;
        m_scale = read_scale(window, m_largest_artwork);
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
            m_shared = SharedImages::open(info.info.x11.display);
        if (m_scale != 1) {
            at = place(m_scale);
            SDL_SetWindowSize(window, at.w, at.h);
            SDL_SetWindowPosition(window, at.x, at.y);
        }
    }
    if (wanted.icon && !wanted.icon->argb.empty()) {
        SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<std::uint32_t*>(wanted.icon->argb.data()), wanted.icon->width, wanted.icon->height, 32,
            wanted.icon->width * 4, SDL_PIXELFORMAT_ARGB8888);
        if (icon) {
            SDL_SetWindowIcon(window, icon);
            SDL_FreeSurface(icon);
        }
    }
    return window;
}

namespace {

bool same_window(const WindowSpec& a, const WindowSpec& b) {
    return a.title == b.title && a.client_size == b.client_size && a.start_position == b.start_position &&
           a.show_in_taskbar == b.show_in_taskbar && a.icon == b.icon && a.initial_state == b.initial_state;
}

} // namespace

std::unique_ptr<Window> SdlWindowSystem::create_window(const WindowSpec& wanted, WindowEvents& events) {
    SDL_Window* window = nullptr;
    const auto ready =
        std::ranges::find_if(m_ready, [&](const ReadyWindow& r) { return same_window(r.spec, wanted); });
    if (ready != m_ready.end()) {
        window = ready->window;
        m_ready.erase(ready);
    } else {
        window = make_window(wanted);
        if (!window) return nullptr;
    }
    if (wanted.start_position == StartPosition::WindowsDefault) ++m_default_places;
    return std::make_unique<SdlWindow>(*this, window, events, wanted.tag, wanted.client_size, m_scale);
}

void SdlWindowSystem::prepare_window(const WindowSpec& wanted) {
    // The window itself, hidden: nobody sees or manages an unmapped window,
    // and making one costs the X server's round trips. Not one placed by the
    // cascade, whose place depends on the windows made before it.
    if (m_scale_known && wanted.start_position != StartPosition::WindowsDefault &&
        std::ranges::none_of(m_ready, [&](const ReadyWindow& r) { return same_window(r.spec, wanted); })) {
        if (SDL_Window* window = make_window(wanted)) {
            m_ready.push_back({ wanted, window });
            // At most one for each screen a timer may bring up.
            if (m_ready.size() > 2) {
                SDL_DestroyWindow(m_ready.front().window);
                m_ready.erase(m_ready.begin());
            }
        }
    }
    if (!m_shared) return;
    m_shared->prepare(wanted.initial_state == WindowState::Maximized
                          ? display_pixels()
                          : Size { wanted.client_size.width * m_scale, wanted.client_size.height * m_scale });
}

// [event loop]

void SdlWindowSystem::dispatch(const SDL_Event& e) {
    auto window_of = [this](Uint32 id) -> SdlWindow* {
        auto it = m_windows.find(id);
        return it == m_windows.end() ? nullptr : it->second;
    };
    switch (e.type) {
    case SDL_SYSWMEVENT:
        if (e.syswm.msg && e.syswm.msg->subsystem == SDL_SYSWM_X11 &&
            e.syswm.msg->msg.x11.event.type == DestroyNotify) {
            const unsigned long gone = e.syswm.msg->msg.x11.event.xdestroywindow.window;
            for (auto& [id, w] : m_windows)
                if (w->is_x_window(gone)) {
                    w->mark_gone();
                    w->events().window_close_requested(w->tag());
                    break;
                }
        }
        break;
    case SDL_MOUSEMOTION:
        if (SdlWindow* w = window_of(e.motion.windowID))
            w->events().window_mouse_move(w->tag(), w->to_model(e.motion.x, e.motion.y));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (SdlWindow* w = window_of(e.button.windowID))
            w->events().window_mouse_button(w->tag(), w->to_model(e.button.x, e.button.y),
                                            e.button.button == SDL_BUTTON_LEFT ? MouseButton::Primary
                                                                               : MouseButton::Other,
                                            e.type == SDL_MOUSEBUTTONDOWN);
        break;
    case SDL_WINDOWEVENT: {
        SdlWindow* w = window_of(e.window.windowID);
        if (!w) break;
        switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            w->events().window_close_requested(w->tag());
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            w->events().window_state_changed(w->tag(), WindowState::Minimized);
            break;
        case SDL_WINDOWEVENT_RESTORED:
            w->events().window_state_changed(w->tag(), WindowState::Normal);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            w->events().window_exposed(w->tag());
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            w->set_display_size(e.window.data1, e.window.data2);
            w->events().window_resized(w->tag(), w->client_size());
            break;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
}

WaitResult SdlWindowSystem::wait(std::optional<std::int64_t> timeout_ms) {
    SDL_Event e;
    const int got = timeout_ms
                        ? SDL_WaitEventTimeout(&e, int(std::clamp<std::int64_t>(*timeout_ms, 0, 1 << 30)))
                        : SDL_WaitEvent(&e);
    // With no time-out, nothing but an error ends SDL's wait empty-handed.
    if (!got) return timeout_ms ? WaitResult::TimedOut : WaitResult::Ended;
    // SIGINT and SIGTERM arrive as a request to quit.
    if (e.type == SDL_QUIT) return WaitResult::Ended;
    dispatch(e);
    return WaitResult::Delivered;
}

} // namespace gv
