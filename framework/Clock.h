#pragma once

#include <cstdint>

namespace gv {

// Milliseconds on a monotonic clock. The program runs on the real one; tests
// run a virtual clock that moves only when told to.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t now_ms() const = 0;
};

class VirtualClock final : public Clock {
public:
    std::int64_t now_ms() const override { return m_now; }
    void set(std::int64_t ms) { m_now = ms; }

private:
    std::int64_t m_now { 0 };
};

class SteadyClock final : public Clock {
public:
    std::int64_t now_ms() const override;
};

} // namespace gv
