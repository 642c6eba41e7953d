#include "noise.h"

#include <algorithm>
#include <cmath>

namespace artgen {

std::uint64_t hash3(std::uint64_t seed, std::int64_t a, std::int64_t b)
{
    Rng r(seed ^ (static_cast<std::uint64_t>(a) * 0x9E3779B97F4A7C15ULL)
          ^ (static_cast<std::uint64_t>(b) * 0xC2B2AE3D27D4EB4FULL));
    r.next();
    return r.next();
}

double hashUnit(std::uint64_t seed, std::int64_t a, std::int64_t b)
{
    return static_cast<double>(hash3(seed, a, b) >> 11) * (1.0 / 9007199254740992.0);
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = clampUnit((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

double clampUnit(double v)
{
    return std::min(1.0, std::max(0.0, v));
}

double ValueNoise::at(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double tx = smoothstep(0.0, 1.0, x - fx);
    const double ty = smoothstep(0.0, 1.0, y - fy);
    const double v00 = hashUnit(seed_, ix, iy);
    const double v10 = hashUnit(seed_, ix + 1, iy);
    const double v01 = hashUnit(seed_, ix, iy + 1);
    const double v11 = hashUnit(seed_, ix + 1, iy + 1);
    const double top = v00 + (v10 - v00) * tx;
    const double bottom = v01 + (v11 - v01) * tx;
    return top + (bottom - top) * ty;
}

double ValueNoise::fractal(double x, double y, int octaves, double persistence) const
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    double scale = 1.0;
    for (int i = 0; i < octaves; ++i) {
        // Offsetting each octave keeps lattice points from lining up.
        sum += weight * at(x * scale + 17.31 * i, y * scale - 9.77 * i);
        total += weight;
        weight *= persistence;
        scale *= 2.0;
    }
    return total > 0.0 ? sum / total : 0.0;
}

CellSample CellNoise::at(double x, double y) const
{
    const double gx = x / cellSize_;
    const double gy = y / cellSize_;
    const auto cx = static_cast<std::int64_t>(std::floor(gx));
    const auto cy = static_cast<std::int64_t>(std::floor(gy));
    CellSample s{1e9, 1e9, 0};
    for (std::int64_t dy = -1; dy <= 1; ++dy) {
        for (std::int64_t dx = -1; dx <= 1; ++dx) {
            const std::int64_t nx = cx + dx;
            const std::int64_t ny = cy + dy;
            const double px = nx + 0.1 + 0.8 * hashUnit(seed_, nx, ny);
            const double py = ny + 0.1 + 0.8 * hashUnit(seed_ ^ 0x5bd1e995ULL, nx, ny);
            const double d = std::hypot(px - gx, py - gy) * cellSize_;
            if (d < s.f1) {
                s.f2 = s.f1;
                s.f1 = d;
                s.cellId = hash3(seed_ ^ 0xabcdefULL, nx, ny);
            } else if (d < s.f2) {
                s.f2 = d;
            }
        }
    }
    return s;
}

} // namespace artgen
