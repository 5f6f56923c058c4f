// How the real-window tests see what the program drew, on the X display's
// root window:
//   xpixel <x> <y>                          prints the pixel's colour as "r g b"
//   xpixel capture <x> <y> <w> <h> <file>   writes the rectangle as raw RGB
//   xpixel blocks <file> <w> <h> <f>        fails unless every f x f block is one colour
//   xpixel shrink <file> <w> <h> <f> <out>  writes one pixel of each f x f block
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

Display* open_display() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) std::fprintf(stderr, "xpixel: cannot open the display\n");
    return display;
}

bool capture(int x, int y, int w, int h, std::vector<unsigned char>& out) {
    Display* display = open_display();
    if (!display) return false;
    XImage* image =
        XGetImage(display, DefaultRootWindow(display), x, y, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
    if (!image) {
        XCloseDisplay(display);
        return false;
    }
    out.clear();
    out.reserve(std::size_t(w) * std::size_t(h) * 3);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const unsigned long p = XGetPixel(image, i, j);
            out.push_back((p >> 16) & 0xff);
            out.push_back((p >> 8) & 0xff);
            out.push_back(p & 0xff);
        }
    XDestroyImage(image);
    XCloseDisplay(display);
    return true;
}

bool read_raw(const char* path, int w, int h, std::vector<unsigned char>& out) {
    std::ifstream in(path, std::ios::binary);
    out.assign(std::istreambuf_iterator<char>(in), {});
    if (out.size() != std::size_t(w) * std::size_t(h) * 3) {
        std::fprintf(stderr, "xpixel: %s holds %zu bytes, not %d x %d pixels\n", path, out.size(), w, h);
        return false;
    }
    return true;
}

bool write_raw(const char* path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out.flush());
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view verb = argc > 1 ? argv[1] : "";
    if (argc == 3) {
        std::vector<unsigned char> p;
        if (!capture(std::atoi(argv[1]), std::atoi(argv[2]), 1, 1, p)) return 1;
        std::printf("%d %d %d\n", p[0], p[1], p[2]);
        return 0;
    }
    if (verb == "capture" && argc == 7) {
        std::vector<unsigned char> p;
        if (!capture(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), p))
            return 1;
        return write_raw(argv[6], p) ? 0 : 1;
    }
    if ((verb == "blocks" && argc == 6) || (verb == "shrink" && argc == 7)) {
        const int w = std::atoi(argv[3]), h = std::atoi(argv[4]), f = std::atoi(argv[5]);
        std::vector<unsigned char> p;
        if (f < 1 || w % f || h % f || !read_raw(argv[2], w, h, p)) return 1;
        auto at = [&](int x, int y) { return &p[(std::size_t(y) * w + x) * 3]; };
        std::vector<unsigned char> small;
        for (int by = 0; by < h; by += f)
            for (int bx = 0; bx < w; bx += f) {
                const unsigned char* first = at(bx, by);
                small.insert(small.end(), first, first + 3);
                for (int y = by; y < by + f; ++y)
                    for (int x = bx; x < bx + f; ++x) {
                        const unsigned char* q = at(x, y);
                        if (q[0] != first[0] || q[1] != first[1] || q[2] != first[2]) {
                            std::fprintf(
                                stderr, "xpixel: the block at (%d, %d) is not one colour: (%d, %d) differs\n",
                                bx, by, x, y);
                            return 1;
                        }
                    }
            }
        return verb == "blocks" || write_raw(argv[6], small) ? 0 : 1;
    }
    std::fprintf(stderr,
                 "usage: xpixel <x> <y> | capture <x> <y> <w> <h> <file> | blocks <file> <w> <h> <f> | "
                 "shrink <file> <w> <h> <f> <out>\n");
    return 2;
}
