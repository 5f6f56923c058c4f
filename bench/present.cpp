// A full present of an 800 x 600 picture in a real window, at the desktop's
// scale (GDK_SCALE): run at 1 and at 2 to compare. Prints the median of
// many presents, each through to the X server's reply.
//   present [presents]
#include "framework/sdl/SdlWindowSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Ignored final : gv::WindowEvents {
    void window_mouse_move(int, gv::Point) override {}
    void window_mouse_button(int, gv::Point, gv::MouseButton, bool) override {}
    void window_close_requested(int) override {}
    void window_state_changed(int, gv::WindowState) override {}
    void window_resized(int, gv::Size) override {}
    void window_exposed(int) override {}
};

} // namespace

int main(int argc, char** argv) {
    const int presents = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    std::string error;
    auto windows = gv::SdlWindowSystem::open(error, { 800, 600 });
    if (!windows) {
        std::fprintf(stderr, "present: %s\n", error.c_str());
        return 1;
    }
    Ignored events;
    gv::WindowSpec wanted;
    wanted.title = "present";
    wanted.client_size = { 800, 600 };
    auto window = windows->create_window(wanted, events);
    if (!window) return 1;
    window->show(gv::WindowState::Normal);
    gv::Bitmap picture(800, 600);
    const gv::Rect all = picture.rect();
    std::vector<double> ms;
    for (int i = 0; i < presents; ++i) {
        // A different picture each time, so nothing can be skipped.
        for (int y = 0; y < picture.height(); ++y)
            std::fill_n(picture.row(y), picture.width(), gv::rgb(i & 255, y & 255, 128));
        const auto start = std::chrono::steady_clock::now();
        window->present(picture, { &all, 1 });
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        while (windows->wait(0) != gv::WaitResult::TimedOut) {
        }
    }
    std::sort(ms.begin(), ms.end());
    std::printf("scale %d: full present of 800 x 600, median of %d: %.3f ms\n", windows->scale(), presents,
                ms[ms.size() / 2]);
    return 0;
}
