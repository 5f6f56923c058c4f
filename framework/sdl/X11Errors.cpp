#include "X11Errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace gv {

bool count_trapped_error();

namespace {

std::vector<std::uint64_t>& own_windows() {
    static std::vector<std::uint64_t> windows;
    return windows;
}

// The innermost trap alive, if any.
X11ErrorTrap*& current_trap() {
    static X11ErrorTrap* trap = nullptr;
    return trap;
}

// Xlib's own handler prints the error and exits. Errors arrive
// asynchronously, long after the request, and the commonest is harmless: SDL
// wakes its event wait by sending an event to a window, which the guide may
// have destroyed by the time the server gets to it. That one is ignored, as
// are errors about a window of ours that another client destroyed; any other
// is reported, and the program goes on.
int on_x11_error(Display* display, XErrorEvent* e) {
    if (count_trapped_error()) return 0;
    if (e->error_code == BadWindow && e->request_code == X_SendEvent) return 0;
    const auto& own = own_windows();
    if ((e->error_code == BadWindow || e->error_code == BadDrawable) &&
        std::find(own.begin(), own.end(), std::uint64_t(e->resourceid)) != own.end())
        return 0;
    char text[256] = {};
    XGetErrorText(display, e->error_code, text, sizeof text);
    std::fprintf(stderr, "grimveil-guide: X error: %s (request %d)\n", text, int(e->request_code));
    return 0;
}

} // namespace

void install_x11_error_handler() {
    XSetErrorHandler(on_x11_error);
}

void x11_window_known(std::uint64_t window) {
    own_windows().push_back(window);
}

void x11_window_forgotten(std::uint64_t window) {
    auto& own = own_windows();
    own.erase(std::remove(own.begin(), own.end(), window), own.end());
}

// Counts the error for the innermost trap; false when none is set.
bool count_trapped_error() {
    X11ErrorTrap* trap = current_trap();
    if (!trap) return false;
    ++trap->m_caught;
    return true;
}

X11ErrorTrap::X11ErrorTrap()
    : m_outer(current_trap()) {
    current_trap() = this;
}

X11ErrorTrap::~X11ErrorTrap() {
    current_trap() = m_outer;
}

} // namespace gv
