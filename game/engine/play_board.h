// The runtime board: two copies of the 22 x 22 grid (before and after the
// last move) and the sliding move itself.
#pragma once

#include <cstdint>

#include "board/board_definition.h"

namespace vortan {

enum class Direction : std::int32_t { None = 0, Up = 1, Down = 2, Left = 3, Right = 4 };

// Direction from a stored or recorded code; anything else is no move.
Direction directionFromCode(std::int32_t code);
const char* directionName(Direction d);

// What Your box met in the last move.
enum EventKind : std::int32_t {
    kEventNone = 0, kEventStar = 1, kEventNumber = 2, kEventHit = 3, kEventFreeze = 4,
    kEventTime = 5, kEventMove = 6
};
enum EventCode : std::int32_t {
    kCodeNone = 0, kCodeStar = 1, kCodeNumber = 2, kCodeTime = 3, kCodeMove = 4,
    kCodeHot = 5, kCodeRed = 6
};

struct PlayCell {
    std::int32_t region = 0;
    std::int32_t box = 0;
    std::int32_t number = 0;
};

class PlayBoard {
public:
    // The sweep never reaches beyond this, whatever a board file says.
    static constexpr int kMaxSize = kGridSize;

    PlayBoard() = default;

    void init(std::int32_t width, std::int32_t height);
    void clear();
    void setCell(int x, int y, std::int32_t region, std::int32_t box, std::int32_t number);
    // Current copy; records the position when the cell holds Your box.
    PlayCell getCell(int x, int y);
    // Current copy without side effects, for checks and printing.
    const PlayCell& peek(int x, int y) const { return cells_[currentBuffer][index(x, y)]; }
    const PlayCell& peekPrevious(int x, int y) const { return cells_[previousBuffer][index(x, y)]; }

    void moveUp() { moveBoxes(Direction::Up); }
    void moveDown() { moveBoxes(Direction::Down); }
    void moveLeft() { moveBoxes(Direction::Left); }
    void moveRight() { moveBoxes(Direction::Right); }
    void moveBoxes(Direction direction);
    void undoMove();

    // Reads every cell through getCell in the painter's order, so yourX and
    // yourY name Your box exactly as after a redraw of the board.
    void refreshYourPosition();

    std::int32_t eventKind() const { return eventKind_; }
    std::int32_t eventCode() const { return eventCode_; }
    std::int32_t yourX() const { return yourX_; }
    std::int32_t yourY() const { return yourY_; }
    std::int32_t nextNumber() const { return nextNumber_; }
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }

    int currentBuffer = 0;
    int previousBuffer = 1;

private:
    static int index(int x, int y) { return kGridSize * y + x; }
    void stepBox(int t, int s);
    void shiftBox(int t, int s);
    // The extent a move may touch: the board's values clamped to the grid.
    int activeWidth() const;
    int activeHeight() const;

    PlayCell cells_[2][kCellCount] = {};
    std::int32_t width_ = kGridSize;
    std::int32_t height_ = kGridSize;
    std::int32_t eventKind_ = 0;
    std::int32_t eventCode_ = 0;
    std::int32_t nextNumber_ = 1;
    std::int32_t yourX_ = 0;
    std::int32_t yourY_ = 0;
    std::int32_t frozen_ = 0;
};

}  // namespace vortan
