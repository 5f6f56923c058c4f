#pragma once

namespace gv {
// Keeps the X library from ending the program on an asynchronous error.
void install_x11_error_handler();
} // namespace gv
