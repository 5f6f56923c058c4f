#include "Clock.h"

#include <chrono>

namespace gv {

std::int64_t SteadyClock::now_ms() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace gv
