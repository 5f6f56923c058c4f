// When changes reach the X server: starts the guide, drives it with XTest and
// times each change by the server's damage reports on the root window. It
// sleeps in poll() between reports, so the watcher never competes with what
// it times, and it never reads pixels while it measures.
//   on_screen <grimveil-guide> [runs]
// Sections: where things are (from the layouts) / the damage watcher /
// one run of the guide / figures.
#include "framework/Application.h"
#include "framework/AssetStore.h"
#include "framework/headless/HeadlessDesktop.h"
#include "framework/platform/FreeTypeFonts.h"
#include "framework/platform/SdlImageDecoder.h"
#include "screens/Guide.h"
#include "screens/ScreenId.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using grimveil::ScreenId;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

double ms_between(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

gv::Rect offset(gv::Rect r, gv::Rect frame) {
    return { frame.x + r.x, frame.y + r.y, r.width, r.height };
}
gv::Point centre(gv::Rect r) {
    return { r.x + r.width / 2, r.y + r.height / 2 };
}
bool contains(gv::Rect outer, gv::Rect inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}
bool intersects(gv::Rect a, gv::Rect b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

// --- Where things are: the real windows are placed as the headless desktop
// places them (the real-window test checks that), so the layouts say where
// to point and which rectangles each change paints.
struct Places {
    gv::Rect splash;
    std::array<gv::Rect, 7> letters; // in the order the chain shows them
    gv::Point moves_entry, minimise_entry;
    gv::Rect notice, grid;
    gv::Point grid_close;
    std::vector<gv::Rect> portraits; // desktop pixels, grid order
};

std::optional<Places> find_places(gv::Size display) {
    gv::VirtualClock clock;
    gv::HeadlessDesktop desktop(display);
    gv::SdlImageDecoder decoder;
    gv::AssetStore assets(grimveil::embedded_assets(), decoder);
    gv::FreeTypeFonts fonts(grimveil::embedded_fonts(), grimveil::font_substitutes());
    gv::Application app(grimveil::registry(), { desktop, assets, fonts, clock });
    const auto splash = grimveil::index_of(ScreenId::splashBDD), menu = grimveil::index_of(ScreenId::Main001),
               notice = grimveil::index_of(ScreenId::MovesLoading),
               grid = grimveil::index_of(ScreenId::Moves001);
    if (!app.start(splash) || !app.show(menu) || !app.show(notice) || !app.show(grid)) return std::nullopt;
    Places p;
    p.splash = desktop.window(splash)->frame;
    constexpr std::array<std::string_view, 7> chain {
        "txtD", "txtE", "txtS", "txtI", "txtG", "txtN", "txtSb"
    };
    for (std::size_t i = 0; i < chain.size(); ++i)
        p.letters[i] = offset(app.loaded(splash)->find(chain[i])->visible_rect, p.splash);
    const gv::Rect menu_frame = desktop.window(menu)->frame;
    p.moves_entry = centre(offset(app.loaded(menu)->find("ClickMoves")->visible_rect, menu_frame));
    p.minimise_entry = centre(offset(app.loaded(menu)->find("ClickMinumize")->visible_rect, menu_frame));
    p.notice = desktop.window(notice)->frame;
    p.grid = desktop.window(grid)->frame;
    p.grid_close = centre(offset(app.loaded(grid)->find("ClickClose")->visible_rect, p.grid));
    for (const auto& f : grimveil::layouts::kFighterNames)
        p.portraits.push_back(offset(app.loaded(grid)->find(f.portrait_tile)->visible_rect, p.grid));
    return p;
}

// The same places on a desktop that scales by `f` (GDK_SCALE, which the guide
// reads too): centred windows centre at f times their size in display pixels,
// and what lies in a window moves and grows with it.
Places scaled(const Places& p, int f, gv::Size display) {
    if (f == 1) return p;
    auto frame = [&](gv::Rect r) {
        return gv::Rect { (display.width - f * r.width) / 2, (display.height - f * r.height) / 2, f * r.width,
                          f * r.height };
    };
    auto inside = [&](gv::Rect r, gv::Rect model_frame) {
        const gv::Rect real = frame(model_frame);
        return gv::Rect { real.x + f * (r.x - model_frame.x), real.y + f * (r.y - model_frame.y), f * r.width,
                          f * r.height };
    };
    auto point = [&](gv::Point q, gv::Rect model_frame) {
        const gv::Rect real = frame(model_frame);
        return gv::Point { real.x + f * (q.x - model_frame.x) + f / 2,
                           real.y + f * (q.y - model_frame.y) + f / 2 };
    };
    const gv::Rect menu { 0, 0, display.width / f, display.height / f };
    Places out = p;
    out.splash = frame(p.splash);
    for (std::size_t i = 0; i < p.letters.size(); ++i) out.letters[i] = inside(p.letters[i], p.splash);
    out.moves_entry = point(p.moves_entry, menu);
    out.minimise_entry = point(p.minimise_entry, menu);
    out.notice = frame(p.notice);
    out.grid = frame(p.grid);
    out.grid_close = point(p.grid_close, p.grid);
    for (std::size_t i = 0; i < p.portraits.size(); ++i) out.portraits[i] = inside(p.portraits[i], p.grid);
    return out;
}

// --- The damage watcher: every report the server sends, with the moment it
// was read.
struct Report {
    Clock::time_point at;
    gv::Rect area;
    std::size_t next; // where a wait for what follows it starts
};

class Watcher {
public:
    explicit Watcher(Display* d)
        : m_display(d) {}
    ~Watcher() {
        if (m_damage) XDamageDestroy(m_display, m_damage);
    }

    bool start() {
        int error = 0, major = 0, minor = 0, xtest_event = 0;
        if (!XDamageQueryExtension(m_display, &m_damage_event, &error)) return false;
        if (!XTestQueryExtension(m_display, &xtest_event, &error, &major, &minor)) return false;
        m_damage = XDamageCreate(m_display, DefaultRootWindow(m_display), XDamageReportRawRectangles);
        XSync(m_display, False);
        return true;
    }

    // Where the next report will go: waits start from here.
    std::size_t mark() const { return m_reports.size(); }

    // The first report from `from` on that matches, waiting at most `timeout`.
    std::optional<Report> wait_for(std::size_t from, const std::function<bool(gv::Rect)>& matches,
                                   Clock::duration timeout) {
        const auto deadline = Clock::now() + timeout;
        for (std::size_t i = from;; ++i) {
            while (i == m_reports.size())
                if (!read_until(deadline)) return std::nullopt;
            if (matches(m_reports[i].area)) return Report { m_reports[i].at, m_reports[i].area, i + 1 };
        }
    }

    // Reads reports until none has come for `quiet`, so that the next
    // measurement starts on a still screen.
    void settle(Clock::duration quiet) {
        while (read_until(Clock::now() + quiet)) {
        }
    }

    void move(gv::Point p) {
        XTestFakeMotionEvent(m_display, -1, p.x, p.y, CurrentTime);
        XFlush(m_display);
    }
    // Spaced as a hand would space them.
    void click(gv::Point p) {
        move(p);
        settle(milliseconds(20));
        XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
        XFlush(m_display);
        settle(milliseconds(20));
        XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
        XFlush(m_display);
    }

private:
    // Sleeps until the server sends something or the deadline passes; false
    // if nothing came.
    bool read_until(Clock::time_point deadline) {
        if (!XPending(m_display)) {
            const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
            pollfd connection { ConnectionNumber(m_display), POLLIN, 0 };
            if (left < 0 || poll(&connection, 1, int(left) + 1) <= 0) return false;
        }
        const auto now = Clock::now();
        const std::size_t before = m_reports.size();
        while (XPending(m_display)) {
            XEvent e;
            XNextEvent(m_display, &e);
            if (e.type != m_damage_event + XDamageNotify) continue;
            const XRectangle& a = reinterpret_cast<const XDamageNotifyEvent&>(e).area;
            m_reports.push_back({ now, { a.x, a.y, a.width, a.height }, 0 });
        }
        return m_reports.size() > before || Clock::now() < deadline;
    }

    Display* m_display;
    int m_damage_event { 0 };
    Damage m_damage { 0 };
    std::vector<Report> m_reports;
};

// --- One run of the guide: the splash with its letters and hand-over, a
// few openings of the grid through the notice, hover moves across the grid,
// and memory after the minimise walk.
struct Figures {
    std::vector<double> letters, handover, grid, hover;
    double walk_rss_mb { 0 }, walk_hwm_mb { 0 };
};

double status_mb(pid_t pid, std::string_view field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field)) return std::stod(line.substr(field.size() + 1)) / 1024.0;
    return -1;
}

class Guide {
public:
    explicit Guide(const char* path) {
        m_pid = fork();
        if (m_pid == 0) {
            execl(path, path, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Guide() {
        kill(m_pid, SIGTERM);
        for (int i = 0; i < 100; ++i) {
            if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) return;
            std::this_thread::sleep_for(milliseconds(20));
        }
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid;
};

bool fail(const char* what) {
    std::fprintf(stderr, "on_screen: %s\n", what);
    return false;
}

bool run_once(const char* path, Watcher& w, const Places& p, int grid_openings, int hover_moves,
              Figures& out) {
    const std::size_t from = w.mark();
    Guide guide(path);
    // The splash's first frame: its timers started at its load, a paint
    // before it, so the first letter reads that much early.
    const auto first = w.wait_for(
        from, [&](gv::Rect r) { return contains(p.splash, r); }, std::chrono::seconds(10));
    if (!first) return fail("no splash within 10 s");
    Report previous = *first;
    std::optional<Clock::time_point> first_letter;
    for (std::size_t k = 0; k < p.letters.size(); ++k) {
        const auto letter = w.wait_for(
            previous.next,
            [&](gv::Rect r) {
                return contains(p.splash, r) && intersects(p.letters[k], r) && r.width < p.splash.width / 2;
            },
            std::chrono::seconds(3));
        if (!letter) return fail("a letter of the splash did not show");
        out.letters.push_back(ms_between(previous.at, letter->at) - 500);
        if (!first_letter) first_letter = letter->at;
        previous = *letter;
    }
    const auto menu = w.wait_for(
        previous.next, [&](gv::Rect r) { return !contains(p.splash, r) && r.width * r.height > 64 * 64; },
        std::chrono::seconds(5));
    if (!menu) return fail("no main menu after the splash");
    // The hand-over's timer and the first letter's both count from the load:
    // the small letter is the nearer mark of it than the whole first frame.
    out.handover.push_back(ms_between(*first_letter, menu->at) - 5000);
    w.settle(milliseconds(500));

    // The grid through the notice. The notice's timer ticks on while it is
    // loaded, so each opening waits for the grid's timer to unload it. The
    // grid is closed before the next opening: its unload would otherwise
    // repaint the main menu under it, a report the grid's own would be
    // mistaken for.
    for (int i = 0; i < grid_openings; ++i) {
        if (i > 0) {
            w.click(p.grid_close);
            w.settle(milliseconds(300));
        }
        const std::size_t before = w.mark();
        w.click(p.moves_entry);
        const auto notice = w.wait_for(
            before, [&](gv::Rect r) { return contains(p.notice, r); }, std::chrono::seconds(3));
        if (!notice) return fail("no loading notice");
        const auto grid = w.wait_for(
            notice->next, [&](gv::Rect r) { return contains(p.grid, r) && r.y < p.notice.y; },
            std::chrono::seconds(3));
        if (!grid) return fail("no selection grid after the notice");
        out.grid.push_back(ms_between(notice->at, grid->at) - 1000);
        w.settle(milliseconds(2000));
    }

    // Hover: from portrait to portrait, each move lighting one cell and
    // putting out the one before; timed to the later of the two. The
    // pointer's own sprite is far smaller than a cell, so a report as large
    // as half the cell is the guide's.
    std::optional<gv::Rect> lit;
    for (int i = 0; i < hover_moves; ++i) {
        const gv::Rect cell = p.portraits[std::size_t(i) % p.portraits.size()];
        w.settle(milliseconds(15));
        const std::size_t before = w.mark();
        auto repainted = [&](gv::Rect c) {
            return w.wait_for(
                before,
                [&](gv::Rect r) { return intersects(c, r) && 2 * r.width * r.height >= c.width * c.height; },
                std::chrono::seconds(1));
        };
        const auto sent = Clock::now();
        w.move(centre(cell));
        const auto on = repainted(cell);
        const auto off = lit ? repainted(*lit) : on;
        if (!on || !off) return fail("a hover move did not repaint its cells");
        out.hover.push_back(ms_between(sent, std::max(on->at, off->at)));
        lit = cell;
    }

    // The minimise walk loads every screen; the notice and the grid's timers
    // have had their say after 3 s.
    w.click(p.minimise_entry);
    w.settle(milliseconds(3000));
    out.walk_rss_mb = status_mb(guide.pid(), "VmRSS:");
    out.walk_hwm_mb = status_mb(guide.pid(), "VmHWM:");
    return true;
}

// --- Figures.
struct Summary {
    double median, mean, worst;
};
Summary summarise(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    double sum = 0;
    for (double x : v) sum += x;
    return { v[v.size() / 2], sum / double(v.size()), v.back() };
}

void lateness(const char* what, const std::vector<double>& v) {
    const Summary s = summarise(v);
    std::printf("%s: late by %.2f ms median, %.2f ms worst, over %zu (aim: within 3 ms)%s\n", what, s.median,
                s.worst, v.size(), s.worst <= 3 ? "" : " -- above the aim");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: on_screen <grimveil-guide> [runs]\n");
        return 2;
    }
    const int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 3;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return fail("no display"), 1;
    const gv::Size size { DisplayWidth(display, 0), DisplayHeight(display, 0) };
    const char* gdk_scale = std::getenv("GDK_SCALE");
    const int f = gdk_scale ? std::max(1, std::atoi(gdk_scale)) : 1;
    const auto model_places = find_places({ size.width / f, size.height / f });
    if (!model_places) return fail("the guide's screens do not load headless"), 1;
    const auto places = std::optional<Places>(scaled(*model_places, f, size));
    Figures figures;
    {
        Watcher w(display);
        if (!w.start()) return fail("the X server lacks DAMAGE or XTEST"), 1;
        for (int r = 0; r < runs; ++r) {
            if (!run_once(argv[1], w, *places, 5, 200, figures)) return 1;
            w.settle(milliseconds(500));
        }
    }
    XCloseDisplay(display);

    lateness("splash letters, each 500 ms after the one before (the first after the first frame)",
             figures.letters);
    lateness("splash to main menu, 5500 ms after the load (5000 ms after the first letter)",
             figures.handover);
    lateness("loading notice to grid, 1000 ms after the notice's first frame", figures.grid);
    const Summary h = summarise(figures.hover);
    std::printf(
        "hover in the grid at scale %d, pointer motion to new pixels at the X server: %.3f ms mean, %.3f ms "
        "median, %.3f ms worst, over %zu moves (aim: mean under 1 ms)%s\n",
        f, h.mean, h.median, h.worst, figures.hover.size(), h.mean < 1 ? "" : " -- above the aim");
    std::printf("resident memory after the minimise walk, every screen loaded: %.1f MB, peak %.1f MB (aim: "
                "under 40 MB)%s\n",
                figures.walk_rss_mb, figures.walk_hwm_mb,
                figures.walk_rss_mb < 40 && figures.walk_hwm_mb < 40 ? "" : " -- above the aim");
    return 0;
}
