// Measures the time from starting a program to its first frame on the X
// display: forks and execs it, then waits for the server to report damage at
// the middle of the display and checks that the pixels there changed. It
// sleeps in between, so that the watcher does not compete with what it times.
//   first_frame <program>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: first_frame <program>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    int damage_event = 0, damage_error = 0;
    if (!XDamageQueryExtension(display, &damage_event, &damage_error)) {
        std::fprintf(stderr, "first_frame: the X server has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const int cx = DisplayWidth(display, 0) / 2, cy = DisplayHeight(display, 0) / 2;
    auto centre = [&] {
        XImage* image = XGetImage(display, root, cx - 2, cy - 2, 4, 4, AllPlanes, ZPixmap);
        unsigned long p = image ? XGetPixel(image, 0, 0) : 0;
        if (image) XDestroyImage(image);
        return p;
    };
    const unsigned long background = centre();
    Damage damage = XDamageCreate(display, root, XDamageReportRawRectangles);
    XSync(display, False);
    const auto t0 = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }
    double ms = -1;
    pollfd connection { ConnectionNumber(display), POLLIN, 0 };
    while (ms < 0 && std::chrono::steady_clock::now() - t0 < std::chrono::seconds(10)) {
        if (!XPending(display) && poll(&connection, 1, 100) <= 0) continue;
        bool centre_damaged = false;
        while (XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type != damage_event + XDamageNotify) continue;
            const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
            const XRectangle& a = d.area;
            if (cx >= a.x && cx < a.x + a.width && cy >= a.y && cy < a.y + a.height) centre_damaged = true;
        }
        if (centre_damaged && centre() != background)
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    if (ms < 0) {
        std::printf("no frame within 10 s\n");
        return 1;
    }
    std::printf("process start to the first frame: %.1f ms\n", ms);
    return 0;
}
