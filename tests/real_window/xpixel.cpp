// Prints the colour of a pixel of the X display's root window as "r g b":
// how the real-window test sees what the program drew.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: xpixel <x> <y>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xpixel: cannot open the display\n");
        return 1;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        XCloseDisplay(display);
        return 1;
    }
    const unsigned long p = XGetPixel(image, 0, 0);
    std::printf("%lu %lu %lu\n", (p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff);
    XDestroyImage(image);
    XCloseDisplay(display);
    return 0;
}
