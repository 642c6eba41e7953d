#include "catalogue.h"

#include <iterator>
#include <string>
#include <vector>

#include "board/board_drawing.h"

namespace vortan {

namespace {
// The demonstration board: a room with a few walls, two Star boxes, the
// Number boxes 1 to 3, which show how everything slides
// together until a wall stops it.
const char* const kDemoRows[20] = {
    "####################",
    "####################",
    "####################",
    "####################",
    "####################",
    "####################",
    "######S....#..3#####",
    "######.........#####",
    "######..#......#####",
    "######.....Y...#####",
    "######.1.......#####",
    "######......#.S#####",
    "######...2.....#####",
    "####################",
    "####################",
    "####################",
    "####################",
    "####################",
    "####################",
    "####################",
};
}  // namespace

BoardDefinition DemoBoard() {
    BoardDefinition b;
    drawOnBoard(b, std::vector<std::string>(std::begin(kDemoRows), std::end(kDemoRows)));
    b.gameName = "Demo";
    b.openingMessage =
        "Welcome to Vortan!\r\nThe green box is Your box.\r\nIt takes the Star boxes\r\nand the Number boxes 1, 2, 3.";
    b.timeLimit = 150;
    b.moveLimit = 150;
    b.numberBoxTimeLimit = 0;
    b.starBoxTimeLimit = 0;
    b.numberOfLives = 1;
    b.timeBoxTimeValue = 30;
    b.moveBoxMoveValue = 30;
    b.RecountBoxes();
    return b;
}

}  // namespace vortan
