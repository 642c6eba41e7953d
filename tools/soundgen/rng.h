// Small seeded generator so that every run produces the same sounds and music.
#pragma once

#include <cstdint>
#include <string>

namespace vortan::soundgen {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    // splitmix64: tiny, fast and good enough for audio noise and composition.
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [-1, 1).
    double bipolar() { return uniform() * 2.0 - 1.0; }
    // Uniform integer in [lo, hi].
    int range(int lo, int hi) { return lo + int(next() % std::uint64_t(hi - lo + 1)); }
    bool chance(double p) { return uniform() < p; }

private:
    std::uint64_t state_;
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
