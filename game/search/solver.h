// Shortest winning lines and hints from any position of a running game:
// one move per one-second tick, every limit and clock of the board kept.
// Plain C++ (no Qt); the game links it for Hint, the board tool for solve.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "board/board_definition.h"
#include "game/engine/game_state.h"

namespace vortan {

enum class SolveStatus {
    Won,        // `moves` wins the board
    NoWin,      // every reachable position was searched: no win within the limits
    BudgetHit,  // the memory budget (or a state cap) ran out first
    Cancelled,  // the cancel flag was raised
    Unusable,   // the position cannot be searched (see `error`)
};

struct SolveOptions {
    // Bytes that the visited table and the open lists may hold together.
    std::uint64_t memoryBudget = std::uint64_t(1) << 30;
    // Positions stored at most; 0 for no cap besides memory.
    std::uint64_t budget = 0;
    // Worker threads; large layers of the search are shared among them.
    int threads = 2;
    // Raised by another thread to stop the search soon (within milliseconds).
    const std::atomic<bool>* cancel = nullptr;
};

struct SolveResult {
    SolveStatus status = SolveStatus::NoWin;
    // Arrow letters, each followed by one timer tick: "UTRTLT...".
    std::string moves;
    int length = 0;               // number of moves in `moves`
    std::uint64_t states = 0;     // distinct positions stored
    std::uint64_t expanded = 0;   // positions whose four moves were tried
    std::uint64_t generated = 0;  // moves tried (with their rules and tick)
    std::uint64_t peakBytes = 0;  // table and open lists at their largest
    std::uint64_t tableBytes = 0; // the visited table at the end
    double seconds = 0;
    std::string error;  // why a position is Unusable, or which budget ran out
};

const char* solveStatusName(SolveStatus s);

// Searches from a document: a board just loaded (gameState OpeningMessage
// or Playing) or a game in progress. The document is not changed.
SolveResult SolveDocument(const CZembrikDoc& position, const SolveOptions& options = {});
// Encodes the board first, which recounts its Star and Number boxes.
SolveResult SolveBoard(const BoardDefinition& board, const SolveOptions& options = {});

// The first move of a shortest win from a game in progress. Blocking: run it
// on a worker thread with a copy of the document (the copy is all it
// reads), raise options.cancel to stop it early. A game that has ended, or
// one with no win left within its limits, answers NoWin with the message
// "No winning line from here."
struct HintResult {
    SolveStatus status = SolveStatus::NoWin;  // Won: `move` starts a shortest win
    Direction move = Direction::None;
    int movesToWin = 0;  // length of that win, `move` included
    std::string message; // one line for the player or the tool
};
HintResult FindHint(const CZembrikDoc& game, const SolveOptions& options = {});

// Plays MOVES (U D L R arrow keys, T one tick) through the game rules from a
// loaded document in the Playing state; returns the document afterwards.
// Any other letter stops the replay and is reported by `ok` false.
struct ReplayResult {
    bool ok = true;
    CZembrikDoc doc;
    bool won() const { return doc.gameState() == GameState::GameOver && doc.gameOutcome == GameOutcome::Won; }
};
ReplayResult ReplayMoves(const CZembrikDoc& loaded, const std::string& moves);

// Builds the loaded document of a board (as the game would load its file).
CZembrikDoc LoadedDocument(const BoardDefinition& board);

}  // namespace vortan
