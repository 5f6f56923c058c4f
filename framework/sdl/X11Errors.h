#pragma once

#include <cstdint>

namespace gv {
// Keeps the X library from ending the program on an asynchronous error.
void install_x11_error_handler();

// The program's own windows, from creation until their destruction has been
// through the server. Another client may destroy one at any moment, and
// until the program hears of it, its requests on that window fail: a
// BadWindow or BadDrawable about one of these is that echo, not a fault.
void x11_window_known(std::uint64_t window);
void x11_window_forgotten(std::uint64_t window);
} // namespace gv
