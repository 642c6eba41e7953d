// Boards for the search tests: small rooms drawn in characters, random
// rooms with every box, region and limit, and the shortest win found by
// trying every line of play through the real rules.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "board/board_definition.h"
#include "board/board_drawing.h"
#include "game/search/solver.h"

namespace vortan::test {

// A board drawn in characters (board/board_drawing.h) from cell (1, 1);
// the rest of the inside is wall.
inline BoardDefinition drawn(const std::vector<std::string>& rows) {
    BoardDefinition b;
    drawOnBoard(b, rows);
    // Generous limits unless a test sets its own.
    b.timeLimit = 600;
    b.moveLimit = 600;
    b.numberBoxTimeLimit = 0;
    b.starBoxTimeLimit = 0;
    b.numberOfLives = 1;
    return b;
}

// The same board with every Yellow cell White: nothing can be taken there.
inline BoardDefinition whitened(BoardDefinition b) {
    for (auto& column : b.cells)
        for (BoardCell& c : column)
            if (c.region == RegionCode::Yellow) c.region = RegionCode::White;
    return b;
}

// No win, and far too many positions to search within a small budget.
inline BoardDefinition busyBoard() {
    BoardDefinition b = whitened(drawn({"..........", ".F..F..F..", "...S.....F", ".F....Y...", "....F....."}));
    b.timeLimit = b.moveLimit = 0;
    return b;
}

// Shortest winning length from `doc` by trying every line through the real
// rules, or -1 when none is as short as maxDepth.
inline int exhaustiveShortest(const CZembrikDoc& doc, int maxDepth) {
    std::vector<std::string> level{""};
    for (int depth = 1; depth <= maxDepth; ++depth) {
        std::vector<std::string> deeper;
        for (const std::string& line : level)
            for (const char* m : {"UT", "DT", "LT", "RT"}) {
                const std::string longer = line + m;
                const ReplayResult r = ReplayMoves(doc, longer);
                if (r.won()) return depth;
                if (r.doc.gameState() == GameState::Playing) deeper.push_back(longer);
            }
        level.swap(deeper);
    }
    return -1;
}

// A small random room (rows x columns drawn as above) with one Your box, a
// Number box 1, and pieces drawn from `pieces`; limits drawn small enough
// to matter: moves, the three clocks and lives, Time and Move box values.
inline BoardDefinition randomRoom(std::mt19937& rng, int rows, int columns, const std::string& pieces,
                                  bool limits) {
    std::vector<std::string> grid(rows, std::string(columns, '.'));
    for (auto& row : grid)
        for (char& c : row) c = pieces[rng() % pieces.size()];
    grid[rng() % rows][rng() % columns] = '1';
    if (rng() % 3 == 0) grid[rng() % rows][rng() % columns] = '2';
    grid[rng() % rows][rng() % columns] = 'Y';
    BoardDefinition b = drawn(grid);
    if (limits) {
        auto pick = [&](std::uint32_t off, std::uint32_t lo, std::uint32_t hi) {
            return rng() % off == 0 ? 0u : lo + rng() % (hi - lo + 1);
        };
        b.moveLimit = pick(2, 3, 9);
        b.timeLimit = pick(2, 3, 9);
        b.numberBoxTimeLimit = pick(2, 2, 8);
        b.starBoxTimeLimit = pick(2, 2, 8);
        b.numberOfLives = pick(3, 1, 3);
        b.timeBoxTimeValue = rng() % 4;
        b.moveBoxMoveValue = rng() % 4;
    }
    b.RecountBoxes();
    return b;
}

}  // namespace vortan::test
