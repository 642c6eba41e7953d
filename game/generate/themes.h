// The looks and box plans of the catalogue's series, and how a board's
// limits and opening message follow from its shortest win. The catalogue
// tool and the game's random boards build their boards with these.
#pragma once

#include <cstdint>
#include <string>

#include "board/board_definition.h"
#include "game/runs/catalogue.h"
#include "game/search/solver.h"
#include "rng.h"

namespace vortan {

// Alvor and Brenno ship boards; the game's catalogue names every version,
// series and board file.
constexpr int kCatalogueVersions = 2;

inline std::string seriesLabel(int version, int series) { return seriesLabelsOf(version)[series]; }

// What a series asks of its boards: how long the shortest win is, which
// boxes it uses, and its limits.
struct SeriesPlan {
    int lenLo, lenHi;
    int starsLo, starsHi, numbersLo, numbersHi, freeLo, freeHi;
    int hot = 0, freeze = 0, timeBoxes = 0, moveBoxes = 0, exceptions = 0, red = 0;
    int lives = 1;
    bool boxTimers = false;
    bool mirrored = false;
    // Percent of the Star, Number and special boxes that stand in a Green
    // pen: they never move, so only the few loose boxes grow the search.
    int anchor = 0;
    std::uint64_t minBudget = 0;  // open rooms need a deeper search
    bool needBonus = false;       // the line must take its Time and Move boxes
    bool hotDoors = false;        // Hot boxes guard the doorways
};

SeriesPlan planFor(int version, int series);

// A board of the series drawn from `rng`: its look and its boxes, no limits
// yet (it is searched without them first). A board whose boxes did not fit
// has no Your box.
BoardDefinition BuildCandidate(int version, int series, const SeriesPlan& plan, Rng& rng);

// One candidate board of a catalogue series, from the series' own seeds.
BoardDefinition CandidateBoard(int version, int series, int candidate);

// How much room the limits leave beyond the shortest win of `length` moves:
// time = length * timePercent / 100 + timeExtra, rounded up to a multiple
// of `step`; the same for moves.
struct LimitSlack {
    int timePercent, timeExtra, movePercent, moveExtra;
    int step = 10;
};
LimitSlack catalogueSlack(int version);

// Sets the time and move limits, the lives and, when the series uses them,
// the Star and Number box countdowns with the Time box refill, from the
// winning line `moves`.
void setLimits(BoardDefinition& b, const LimitSlack& slack, const SeriesPlan& p, const std::string& moves, int length);
// Bonus boards: time and moves run out unless the line takes the Time and
// Move boxes. Solves under those limits; false when no fair limits exist.
bool setBonusLimits(BoardDefinition& b, const SolveOptions& options, SolveResult& r);

// What to take, then one line on each rule the board puts to use; lines end
// with CR LF as the designer stores them.
std::string openingMessage(const BoardDefinition& b, int version, int series);

// The catalogue's name of game `game` (0-9) of a series.
const char* catalogueGameName(int version, int series, int game);

}  // namespace vortan
