// Small seeded generator so that every run produces the same sounds and music.
#pragma once

#include <cstdint>
#include <string>

#include "game/generate/rng.h"

namespace vortan::soundgen {

// The game's generator, started at the given state.
class Rng : public vortan::Rng {
public:
    explicit Rng(std::uint64_t state) : vortan::Rng(fromState(state)) {}
    // Uniform in [-1, 1).
    double bipolar() { return uniform() * 2.0 - 1.0; }
    // Uniform integer in [lo, hi]; draws even when lo == hi, as the pieces were composed.
    int range(int lo, int hi) { return lo + int(next() % std::uint64_t(hi - lo + 1)); }
    bool chance(double p) { return uniform() < p; }
};

// FNV-1a, used to derive a fixed seed from a name.
inline std::uint64_t seedFrom(const std::string& text, std::uint64_t salt = 0)
{
    std::uint64_t h = 1469598103934665603ull ^ salt;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

} // namespace vortan::soundgen
