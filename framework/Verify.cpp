#include "Verify.h"

#include <cstdio>
#include <cstdlib>

namespace gv {
void verification_failed(const char* what, const char* file, int line) {
    std::fprintf(stderr, "VERIFY(%s) failed at %s:%d\n", what, file, line);
    std::abort();
}
} // namespace gv
