#pragma once

// Broken promises inside the program (an unknown name, an unbalanced painter
// stack) stop it at once with the place they were found.
namespace gv {
[[noreturn]] void verification_failed(const char* what, const char* file, int line);
}

#define VERIFY(expr) ((expr) ? (void)0 : ::gv::verification_failed(#expr, __FILE__, __LINE__))
