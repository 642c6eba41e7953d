// The catalogue of boards that ships with the game: how each series looks,
// how its boards are built from a seed, solved and graded.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "board/board_definition.h"
#include "game/runs/catalogue.h"

namespace vortan {

// Alvor and Brenno ship boards; the game's catalogue names every version,
// series and board file.
constexpr int kCatalogueVersions = 2;

inline std::string seriesLabel(int version, int series) { return seriesLabelsOf(version)[series]; }

// A small deterministic generator, the same on every platform.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed * 0x9e3779b97f4a7c15ULL + 0x632be59bd9b4e019ULL) {}
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

private:
    std::uint64_t s_;
};

struct CatalogueBoard {
    BoardDefinition board;
    std::string moves;  // the winning line, "UTRT..."
    int length = 0;     // moves in it
    std::uint64_t states = 0;
    int candidate = 0;  // which seed of the series made it
};

struct GenerateStats {
    int candidates = 0;
    int rejectedUnsolved = 0;
    int rejectedLength = 0;
    std::uint64_t states = 0;
    double seconds = 0;
};

// Builds the ten boards of a series, easiest first. Deterministic.
std::vector<CatalogueBoard> GenerateSeries(int version, int series, GenerateStats& stats,
                                           std::uint64_t budget = 40000);

// One candidate board of a series (before solving and grading); exposed for
// the contact sheet of raw layouts and for tests.
BoardDefinition CandidateBoard(int version, int series, int candidate);

// The demonstration board and its winning line.
BoardDefinition DemoBoard();

// Solutions file: one line per board, "name length moves".
std::map<std::string, std::string> ReadSolutions(const std::string& path);
bool WriteSolutions(const std::string& path, const std::map<std::string, std::string>& solutions);

}  // namespace vortan
