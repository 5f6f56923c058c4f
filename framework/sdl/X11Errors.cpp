#include "X11Errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <cstdio>

namespace gv {

namespace {

// Xlib's own handler prints the error and exits. Errors arrive
// asynchronously, long after the request, and the commonest is harmless: SDL
// wakes its event wait by sending an event to a window, which the guide may
// have destroyed by the time the server gets to it. That one is ignored; any
// other is reported, and the program goes on.
int on_x11_error(Display* display, XErrorEvent* e) {
    if (e->error_code == BadWindow && e->request_code == X_SendEvent) return 0;
    char text[256] = {};
    XGetErrorText(display, e->error_code, text, sizeof text);
    std::fprintf(stderr, "grimveil-guide: X error: %s (request %d)\n", text, int(e->request_code));
    return 0;
}

} // namespace

void install_x11_error_handler() {
    XSetErrorHandler(on_x11_error);
}

} // namespace gv
