// Finds a shortest winning line of play for a board: one move per second,
// every limit of the board respected. Breadth-first over box layouts.
#pragma once

#include <cstdint>
#include <string>

#include "board/board_definition.h"
#include "game/engine/game_state.h"

namespace vortan {

enum class SolveStatus {
    Won,        // `moves` wins the board
    NoWin,      // every reachable layout was searched: the board cannot be won
    BudgetHit,  // the state budget ran out first
    Unusable,   // the board holds codes the search cannot represent
};

struct SolveOptions {
    std::uint64_t budget = 2000000;  // layouts kept at most
};

struct SolveResult {
    SolveStatus status = SolveStatus::NoWin;
    // Arrow letters, each followed by one timer tick: "UTRTLT...".
    std::string moves;
    int length = 0;             // number of moves in `moves`
    std::uint64_t states = 0;   // layouts stored
    std::uint64_t expanded = 0; // layouts whose four moves were tried
    double seconds = 0;
    std::string error;          // why a board is Unusable
};

const char* solveStatusName(SolveStatus s);

// Searches from a loaded document (the board as the game sees it, stored
// counts included). The document is not changed.
SolveResult SolveDocument(const CZembrikDoc& loaded, const SolveOptions& options = {});
// Encodes the board first, which recounts its Star and Number boxes.
SolveResult SolveBoard(const BoardDefinition& board, const SolveOptions& options = {});

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
