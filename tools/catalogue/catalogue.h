// The catalogue of boards that ships with the game: how each series looks,
// how its boards are built from a seed, solved and graded.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "board/board_definition.h"
#include "game/generate/themes.h"

namespace vortan {

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

// The demonstration board and its winning line.
BoardDefinition DemoBoard();

// Solutions file: one line per board, "name length moves".
std::map<std::string, std::string> ReadSolutions(const std::string& path);
bool WriteSolutions(const std::string& path, const std::map<std::string, std::string>& solutions);

}  // namespace vortan
