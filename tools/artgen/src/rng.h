// Seeded generator so textures and scatterings come out the same on every run.
#pragma once

#include <cstdint>

namespace artgen {

class Rng {
public:
    explicit Rng(uint64_t seed)
        : state_(seed) {}

    // SplitMix64: tiny, well distributed, and identical on every platform.
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1) from 53 bits, exact on every platform.
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int range(int lo, int hiInclusive) {
        return lo + static_cast<int>(next() % static_cast<uint64_t>(hiInclusive - lo + 1));
    }

private:
    uint64_t state_;
};

} // namespace artgen
