#include "catalogue.h"

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
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            BoardCell& c = b.Cell(x + 1, y + 1);
            const char ch = kDemoRows[y][x];
            c = {ch == '#' ? RegionCode::Blue : RegionCode::Yellow, BoxCode::Empty, 0};
            if (ch == 'Y') c.box = BoxCode::Your;
            if (ch == 'S') c.box = BoxCode::Star;
            if (ch == 'F') c.box = BoxCode::Free;
            if (ch >= '1' && ch <= '9') c = {RegionCode::Yellow, BoxCode::Number, std::uint32_t(ch - '0')};
        }
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
