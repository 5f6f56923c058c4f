// Measures the time from starting the program to its first frame on the X
// display: forks and execs it, then watches the middle of the display until
// the splash's pixels appear there.
//   first_frame <program>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: first_frame <program>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    const Window root = DefaultRootWindow(display);
    const int cx = DisplayWidth(display, 0) / 2, cy = DisplayHeight(display, 0) / 2;
    auto centre = [&] {
        XImage* image = XGetImage(display, root, cx - 2, cy - 2, 4, 4, AllPlanes, ZPixmap);
        unsigned long p = image ? XGetPixel(image, 0, 0) : 0;
        if (image) XDestroyImage(image);
        return p;
    };
    const unsigned long background = centre();
    const auto t0 = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }
    double ms = -1;
    while (std::chrono::steady_clock::now() - t0 < std::chrono::seconds(10)) {
        if (centre() != background) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (ms < 0) {
        std::printf("no frame within 10 s\n");
        return 1;
    }
    std::printf("process start to the splash's first frame: %.1f ms\n", ms);
    return 0;
}
