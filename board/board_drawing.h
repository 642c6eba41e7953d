// A board drawn as text, one character a cell: how tests, the tools and
// `vortan-board info` write boards down and read them back.
//
// Regions: '#' Blue, '.' Yellow, ',' White, 'r' Red, 'g' Green, 'o' Orange.
// Boxes stand on Yellow: 'Y' Your, 'S' Star, '1'-'9' Number, 'F' Free,
// 'H' Hot, 'Z' Freeze, 'T' Time, 'M' Move; three stand elsewhere:
// 'E' Exception on Green, 'f' Free on Orange, 's' Star on White.
// 'X' is a box code outside the table (for tests of damaged files); a cell
// no character stands for is drawn as '?'.
#pragma once

#include <string>
#include <vector>

#include "board/board_definition.h"

namespace vortan {

// The cell a character stands for; false for a character outside the
// alphabet above.
bool cellFromChar(char ch, BoardCell& cell);
char charOfCell(const BoardCell& cell);

// Draws `rows` onto `board` with its first character at (left, top); the
// inside cells the rows do not reach become Blue (wall). Characters outside
// the alphabet, and cells beyond the grid, are left as they were. The box
// counts are recounted; texts and limits are the caller's.
void drawOnBoard(BoardDefinition& board, const std::vector<std::string>& rows, int left = 1, int top = 1);

// The whole grid, one string a row.
std::vector<std::string> boardDrawing(const BoardDefinition& board);

}  // namespace vortan
