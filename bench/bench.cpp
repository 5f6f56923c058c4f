// In-process timings through the headless layer: painting, hover walks and
// loading screens from their layouts. `make bench` runs it beside the
// real-window measurements of bench/run.sh.
#include "framework/Application.h"
#include "framework/AssetStore.h"
#include "framework/FreeTypeFonts.h"
#include "framework/headless/HeadlessDesktop.h"
#include "screens/Guide.h"
#include "screens/ScreenId.h"

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using grimveil::ScreenId;

// Median of several runs of `iterations` calls, in microseconds per call.
double time_us(int iterations, const std::function<void()>& body)
{
    std::vector<double> runs;
    for (int r = 0; r < 7; ++r) {
        auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < iterations; ++i)
            body();
        auto t1 = std::chrono::steady_clock::now();
        runs.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count() / iterations);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

struct Session {
    explicit Session(gv::Size display)
        : desktop(display)
    {
    }
    gv::VirtualClock clock;
    gv::HeadlessDesktop desktop;
    gv::AssetStore assets { grimveil::embedded_assets() };
    gv::FreeTypeFonts fonts { grimveil::embedded_fonts(), grimveil::font_substitutes() };
    gv::Application app { grimveil::registry(), { desktop, assets, fonts, clock } };
};

void bench_main_menu_paint(gv::Size display)
{
    Session s(display);
    if (!s.app.start(grimveil::start_screen()))
        return;
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
    std::printf("full paint of the maximised main menu at %d x %d: %.3f ms\n", display.width, display.height,
        us / 1000.0);
}

}

int main()
{
    bench_main_menu_paint({ 1024, 768 });
    bench_main_menu_paint({ 1920, 1080 });
    return 0;
}
