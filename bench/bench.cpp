// In-process timings through the headless layer: painting, hover walks and
// loading screens from their layouts. `make bench` runs it beside the
// real-window measurements of bench/run.sh.
#include "framework/Application.h"
#include "framework/AssetStore.h"
#include "framework/headless/HeadlessDesktop.h"
#include "framework/platform/FreeTypeFonts.h"
#include "framework/platform/SdlImageDecoder.h"
#include "screens/Guide.h"
#include "screens/ScreenId.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using grimveil::ScreenId;

// Median of several runs of `iterations` calls, in microseconds per call.
double time_us(int iterations, const std::function<void()>& body) {
    std::vector<double> runs;
    for (int r = 0; r < 7; ++r) {
        auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < iterations; ++i) body();
        auto t1 = std::chrono::steady_clock::now();
        runs.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count() / iterations);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

struct Session {
    explicit Session(gv::Size display)
        : desktop(display) {}
    gv::VirtualClock clock;
    gv::HeadlessDesktop desktop;
    gv::SdlImageDecoder decoder;
    gv::AssetStore assets { grimveil::embedded_assets(), decoder };
    gv::FreeTypeFonts fonts { grimveil::embedded_fonts(), grimveil::font_substitutes() };
    gv::Application app { grimveil::registry(), { desktop, assets, fonts, clock } };
};

void bench_main_menu_paint(gv::Size display) {
    Session s(display);
    if (!s.app.start(grimveil::start_screen())) return;
    gv::advance_virtual_time(s.app, s.clock, 5500);
    gv::Screen* menu = s.app.loaded(grimveil::index_of(ScreenId::Main001));
    if (!menu) {
        std::printf("main menu did not open\n");
        return;
    }
    double us = time_us(200, [&] {
        menu->invalidate_all();
        menu->repaint();
    });
    // The floor: copying the same pixels once.
    const gv::Bitmap& surface = menu->surface();
    std::vector<gv::Rgb> copy(std::size_t(surface.width()) * std::size_t(surface.height()));
    double copy_us = time_us(200, [&] {
        std::memcpy(copy.data(), surface.data(), copy.size() * sizeof(gv::Rgb));
        asm volatile("" : : "r"(copy.data()) : "memory");
    });
    std::printf("full paint of the maximised main menu at %d x %d: %.3f ms, memcpy of its pixels %.3f ms, "
                "ratio %.2f x (aim: within 2 x)\n",
                display.width, display.height, us / 1000.0, copy_us / 1000.0, us / copy_us);
}

void bench_selection() {
    Session s({ 1024, 768 });
    const auto grid = grimveil::index_of(ScreenId::Moves001);
    auto t0 = std::chrono::steady_clock::now();
    if (!s.app.show(grid)) {
        std::printf("selection screen did not open\n");
        return;
    }
    auto t1 = std::chrono::steady_clock::now();
    std::printf("first load of the selection screen, decoding its 56 pictures: %.3f ms\n",
                std::chrono::duration<double, std::milli>(t1 - t0).count());

    double load_us = time_us(200, [&] {
        s.app.unload(grid);
        (void)s.app.show(grid);
        s.app.loaded(grid)->repaint();
    });
    std::printf("loading the selection screen from its layout, with its first paint: %.3f ms\n",
                load_us / 1000.0);

    std::unique_ptr<gv::Screen> built;
    double build_us =
        time_us(500, [&] { (void)gv::Screen::build(s.app.registry()[grid], s.assets, s.fonts, built); });
    std::printf("building its 64 controls alone: %.3f ms\n", build_us / 1000.0);

    // Alternate between two portraits: each move is a 46-step walk and a
    // repaint of the two cells that changed.
    const gv::Screen* screen = s.app.loaded(grid);
    const gv::Rect frame = s.desktop.window(grid)->frame;
    auto centre = [&](std::string_view name) {
        const gv::Rect r = screen->find(name)->visible_rect;
        return gv::Point { frame.x + r.x + r.width / 2, frame.y + r.y + r.height / 2 };
    };
    const gv::Point a = centre("imgVorsk"), b = centre("imgSelvo");
    bool flip = false;
    double hover_us = time_us(2000, [&] {
        s.desktop.move_to(flip ? a : b);
        flip = !flip;
    });
    std::printf("a hover walk with its repaint: %.4f ms\n", hover_us / 1000.0);
}

// The largest fighter page, Nocthar's 54 controls: built from its layout,
// every row label laid out, and painted once.
void bench_largest_page() {
    Session s({ 1024, 768 });
    const gv::ScreenIndex nocthar = [] {
        for (std::size_t i = 0; i < grimveil::kScreenNames.size(); ++i)
            if (grimveil::kScreenNames[i] == "MovesNocthar") return gv::ScreenIndex(i);
        return gv::ScreenIndex(0);
    }();
    if (!s.app.show(nocthar)) {
        std::printf("MovesNocthar did not open\n");
        return;
    }
    double load_us = time_us(500, [&] {
        s.app.unload(nocthar);
        (void)s.app.show(nocthar);
        s.app.loaded(nocthar)->repaint();
    });
    std::printf("loading MovesNocthar (%zu controls) from its layout, with its first paint: %.3f ms\n",
                s.app.loaded(nocthar)->controls().size(), load_us / 1000.0);
}

} // namespace

int main() {
    bench_main_menu_paint({ 1024, 768 });
    bench_main_menu_paint({ 1920, 1080 });
    bench_selection();
    bench_largest_page();
    return 0;
}
