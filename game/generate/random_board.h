// Random boards: a new board from any seed, drawn from the catalogue's
// themes, proven winnable within the limits it is played with, at the
// difficulty asked for. A short board ID (difficulty, seed, generator
// version, check character) rebuilds the same board byte for byte anywhere:
// the generator uses only its own Rng and integer arithmetic, and searches
// with one thread and a fixed state budget.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "board/board_definition.h"

namespace vortan {

enum class Difficulty { Easy = 0, Medium = 1, Hard = 2, Expert = 3 };
constexpr int kDifficultyCount = 4;

const char* difficultyName(Difficulty d);  // "Easy" ... "Expert"
// A name or its first letter ("hard", "H"), any case.
bool parseDifficulty(const std::string& text, Difficulty& d);

// Boards of another generator version are other boards: an ID names the
// version that made it.
constexpr int kGeneratorVersion = 1;
constexpr std::uint32_t kMaxSeed = 0x7fffffffu;

struct BoardId {
    Difficulty difficulty = Difficulty::Easy;
    std::uint32_t seed = 0;  // 0 .. kMaxSeed
    int generator = kGeneratorVersion;
};

// "H-3AVB-FHFZ": the difficulty's letter, seven characters of generator
// version and seed, one check character.
std::string formatBoardId(const BoardId& id);

enum class IdProblem { None, Malformed, Mistyped, OtherGenerator };
struct ParsedId {
    IdProblem problem = IdProblem::Malformed;
    BoardId id;
};
// Accepts any case, spaces and dashes anywhere, O for 0 and I or L for 1.
ParsedId parseBoardId(const std::string& text);
// One sentence for a problem, for the tool (the game words its own).
std::string idProblemText(const ParsedId& parsed);

// What makes a board hard, as measured on it with its limits.
struct BoardFigures {
    int length = 0;                // moves of the shortest win
    std::uint64_t states = 0;      // positions the search stored to find it
    int winningFirstMoves = 0;     // of the four first moves, those after which a win remains
    int playoutWinsPermille = 0;   // random playouts (one random key a second) that win
};

// Measures a board with its limits whose shortest win is `length` moves
// found with `states` positions. Deterministic.
BoardFigures MeasureBoard(const BoardDefinition& board, int length, std::uint64_t states,
                          const std::atomic<bool>* cancel = nullptr);

// Where the figures of a difficulty fall (both ends included).
struct DifficultyBand {
    int lengthLo, lengthHi;
    std::uint64_t statesLo, statesHi;
    int firstMovesLo, firstMovesHi;
    int playoutsLo, playoutsHi;  // permille
};
const DifficultyBand& difficultyBand(Difficulty d);
bool inBand(const BoardFigures& f, const DifficultyBand& band);

struct RandomBoard {
    BoardId id;
    BoardDefinition board;  // with its limits, name and opening message
    std::string moves;      // a shortest winning line, "UTRT..."
    BoardFigures figures;
    int candidates = 0;     // boards drawn before this one was kept
};

enum class GenerateStatus { Made, Cancelled, NotFound };

struct GenerateControl {
    const std::atomic<bool>* cancel = nullptr;  // raised by another thread
    std::atomic<int>* progress = nullptr;       // candidates tried so far
};
constexpr int kMaxCandidates = 400;

// Builds the board of `id` (whose generator must be kGeneratorVersion).
GenerateStatus GenerateRandomBoard(const BoardId& id, RandomBoard& out, const GenerateControl& control = {});

}  // namespace vortan
