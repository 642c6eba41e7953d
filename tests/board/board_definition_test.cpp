#include <gtest/gtest.h>

#include "board/board_definition.h"
#include "board/board_drawing.h"

using namespace vortan;

TEST(BoardDefinition, ClearCellsWhitensEverythingButKeepsTextsAndValues) {
    BoardDefinition b;
    b.gameName = "Keep";
    b.timeLimit = 77;
    b.Cell(5, 5) = {RegionCode::Red, BoxCode::Star, 0};
    b.ClearCells();
    EXPECT_EQ(b.Cell(0, 0).region, RegionCode::White);
    EXPECT_EQ(b.Cell(21, 21).region, RegionCode::White);
    EXPECT_EQ(b.Cell(5, 5), (BoardCell{RegionCode::White, BoxCode::Empty, 0}));
    EXPECT_EQ(b.gameName, "Keep");
    EXPECT_EQ(b.timeLimit, 77u);
}

TEST(BoardDrawing, ReadsAndDrawsTheSameCells) {
    BoardDefinition b;
    const std::vector<std::string> drawing = {"Y.S", "r,g", "Eo9", "fsX"};
    drawOnBoard(b, drawing, 2, 3);
    EXPECT_EQ(b.Cell(2, 3), (BoardCell{RegionCode::Yellow, BoxCode::Your, 0}));
    EXPECT_EQ(b.Cell(4, 5), (BoardCell{RegionCode::Yellow, BoxCode::Number, 9}));
    EXPECT_EQ(b.Cell(2, 5), (BoardCell{RegionCode::Green, BoxCode::Exception, 0}));
    EXPECT_EQ(b.Cell(1, 1).region, RegionCode::Blue);  // inside cells the rows miss are wall
    EXPECT_EQ(b.Cell(5, 3).region, RegionCode::Blue);
    EXPECT_EQ(b.starBoxCount, 2u);  // S and s, recounted
    EXPECT_EQ(b.numberBoxCount, 1u);
    const std::vector<std::string> rows = boardDrawing(b);
    ASSERT_EQ(rows.size(), std::size_t(kGridSize));
    for (std::size_t r = 0; r < drawing.size(); ++r) EXPECT_EQ(rows[3 + r].substr(2, 3), drawing[r]);
    EXPECT_EQ(rows[0], std::string(kGridSize, '#'));
    // Combinations no character stands for, and unknown codes, show as '?'.
    b.Cell(7, 7) = {RegionCode::Red, BoxCode::Hot, 0};
    b.Cell(8, 7) = {static_cast<RegionCode>(9), BoxCode::Empty, 0};
    b.Cell(9, 7) = {RegionCode::Yellow, BoxCode::Number, 0};
    EXPECT_EQ(boardDrawing(b)[7].substr(7, 3), "???");
    BoardCell cell;
    EXPECT_FALSE(cellFromChar('?', cell));
}
