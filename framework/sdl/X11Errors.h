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

// While one lives, X errors are counted instead of reported: for a request
// that may fairly be refused, such as attaching shared memory to a server
// on another machine. Synchronise with the server before asking.
class X11ErrorTrap {
public:
    X11ErrorTrap();
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;
    bool caught() const { return m_caught > 0; }

private:
    friend bool count_trapped_error();
    X11ErrorTrap* m_outer;
    int m_caught { 0 };
};
} // namespace gv
