// Seeded value noise, for stone and flame textures.
#pragma once

#include "rng.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace artgen {

// Value noise on a seeded lattice, smoothstep-interpolated.
class ValueNoise {
public:
    ValueNoise(uint64_t seed, int cells)
        : cells_(cells)
        , values_(static_cast<std::size_t>(cells) * cells) {
        Rng rng(seed);
        for (double& v : values_) v = rng.unit();
    }
    double at(double u, double v) const // u, v in lattice units, wraps
    {
        const int x0 = static_cast<int>(std::floor(u)), y0 = static_cast<int>(std::floor(v));
        const double fx = smooth(u - x0), fy = smooth(v - y0);
        const double a = get(x0, y0), b = get(x0 + 1, y0), c = get(x0, y0 + 1), d = get(x0 + 1, y0 + 1);
        return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    double get(int x, int y) const {
        x = ((x % cells_) + cells_) % cells_;
        y = ((y % cells_) + cells_) % cells_;
        return values_[static_cast<std::size_t>(y) * cells_ + x];
    }
    int cells_;
    std::vector<double> values_;
};

} // namespace artgen
