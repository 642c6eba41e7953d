// Seeded random numbers and noise fields for the procedural artwork.
// Everything here is deterministic: the same seed always yields the same
// pixels, so regenerating the artwork never changes the checked-in files.
#pragma once

#include <cstdint>
#include <vector>

#include "game/generate/rng.h"

namespace artgen {

// The game's generator, started at the given state.
class Rng : public vortan::Rng {
public:
    explicit Rng(std::uint64_t state) : vortan::Rng(fromState(state)) {}
    // Uniform in [-1, 1).
    double signedUniform() { return uniform() * 2.0 - 1.0; }
};

// Mixes a seed and two lattice coordinates into one well-spread value.
std::uint64_t hash3(std::uint64_t seed, std::int64_t a, std::int64_t b);
// The hash mapped to [0, 1).
double hashUnit(std::uint64_t seed, std::int64_t a, std::int64_t b);

// Smoothly interpolated lattice noise, values in [0, 1].
class ValueNoise {
public:
    explicit ValueNoise(std::uint64_t seed) : seed_(seed) {}
    double at(double x, double y) const;
    // Sum of `octaves` layers, each at double frequency and `persistence`
    // times the weight of the one before, normalised back to [0, 1].
    double fractal(double x, double y, int octaves, double persistence = 0.5) const;

private:
    std::uint64_t seed_;
};

// Cellular (Worley) noise: distance to the nearest and second nearest
// feature point, plus an id for the nearest point's cell. Used for stones.
struct CellSample {
    double f1;
    double f2;
    std::uint64_t cellId;
};

class CellNoise {
public:
    CellNoise(std::uint64_t seed, double cellSize) : seed_(seed), cellSize_(cellSize) {}
    CellSample at(double x, double y) const;

private:
    std::uint64_t seed_;
    double cellSize_;
};

double smoothstep(double edge0, double edge1, double x);
double clampUnit(double v);

} // namespace artgen
