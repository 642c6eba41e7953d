// A small deterministic generator (SplitMix64), the same on every platform:
// the catalogue and every random board are rebuilt from their seeds with it.
#pragma once

#include <cstdint>

namespace vortan {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed * 0x9e3779b97f4a7c15ULL + 0x632be59bd9b4e019ULL) {}
    // The generator at exactly this state, the seed not stirred: the artwork
    // and the sounds were made that way, and must come out the same.
    static Rng fromState(std::uint64_t state) {
        Rng r(0);
        r.s_ = state;
        return r;
    }
    std::uint64_t next() {
        s_ += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = s_;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 1 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }  // lo..hi
    bool chance(int percent) { return below(100) < percent; }
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)

private:
    std::uint64_t s_;
};

}  // namespace vortan
