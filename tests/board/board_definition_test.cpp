#include <gtest/gtest.h>

#include "board/board_definition.h"
#include "board/board_drawing.h"

using namespace vortan;

TEST(BoardDefinition, NewBoardHasBlueBorderWhiteInteriorAndNoBoxes) {
    BoardDefinition b;
    int blue = 0, white = 0;
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) {
            const BoardCell& c = b.Cell(x, y);
            EXPECT_EQ(c.box, BoxCode::Empty);
            EXPECT_EQ(c.number, 0u);
            if (c.region == RegionCode::Blue) {
                ++blue;
                EXPECT_TRUE(BoardDefinition::isBorder(x, y)) << x << "," << y;
            }
            if (c.region == RegionCode::White) ++white;
        }
    EXPECT_EQ(blue, 84);
    EXPECT_EQ(white, 400);
    EXPECT_EQ(b.versionTag, "Version 1");
    EXPECT_EQ(b.gameName, "Game");
    EXPECT_EQ(b.openingMessage, "Have Fun!");
    const std::uint32_t expected[13] = {22, 22, 0, 0, 150, 250, 60, 60, 1, 50, 60, 0, 0};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(b.value(i), expected[i]) << BoardDefinition::valueName(i);
}

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

TEST(BoardDefinition, CountsAndNumberQueries) {
    BoardDefinition b;
    b.starBoxCount = 9;
    b.numberBoxCount = 0;
    b.Cell(1, 1).box = BoxCode::Star;
    b.Cell(2, 1).box = BoxCode::Star;
    b.Cell(3, 1).box = BoxCode::Star;
    for (std::uint32_t n : {1u, 2u, 5u}) b.Cell(static_cast<int>(n), 4) = {RegionCode::Yellow, BoxCode::Number, n};
    EXPECT_FALSE(b.HasYourBox());
    b.Cell(9, 9).box = BoxCode::Your;
    EXPECT_TRUE(b.HasYourBox());
    EXPECT_EQ(b.CountBoxes(BoxCode::Star), 3);
    b.RecountBoxes();
    EXPECT_EQ(b.starBoxCount, 3u);
    EXPECT_EQ(b.numberBoxCount, 3u);
    EXPECT_TRUE(b.IsNumberUsed(5));
    EXPECT_FALSE(b.IsNumberUsed(4));
    // A number on a cell without a Number box still counts as used.
    b.Cell(10, 10).number = 4;
    EXPECT_TRUE(b.IsNumberUsed(4));
}

TEST(BoardDefinition, RegionTableAndNames) {
    EXPECT_TRUE(regionAdmits(RegionCode::Yellow, BoxCode::Your));
    EXPECT_FALSE(regionAdmits(RegionCode::Blue, BoxCode::Free));
    EXPECT_TRUE(regionAdmits(RegionCode::Blue, BoxCode::Empty));
    EXPECT_FALSE(regionAdmits(RegionCode::Red, BoxCode::Your));
    EXPECT_TRUE(regionAdmits(RegionCode::Red, BoxCode::Exception));
    EXPECT_TRUE(regionAdmits(RegionCode::Green, BoxCode::Exception));
    EXPECT_FALSE(regionAdmits(RegionCode::Green, BoxCode::Star));
    EXPECT_FALSE(regionAdmits(RegionCode::Orange, BoxCode::Exception));
    EXPECT_TRUE(regionAdmits(RegionCode::Orange, BoxCode::Hot));
    EXPECT_FALSE(regionAdmits(static_cast<RegionCode>(6), BoxCode::Empty));
    EXPECT_FALSE(regionAdmits(RegionCode::Yellow, static_cast<BoxCode>(10)));
    EXPECT_STREQ(boxName(9), "Exception");
    EXPECT_EQ(boxName(10), nullptr);
    EXPECT_STREQ(numberName(0), "NA");
    EXPECT_EQ(regionName(6), nullptr);
}

TEST(BoardDrawing, ReadsAndDrawsTheSameCells) {
    BoardDefinition b;
    drawOnBoard(b, {"Y.S", "r,g", "Eo9", "fsX"}, 2, 3);
    EXPECT_EQ(b.Cell(2, 3), (BoardCell{RegionCode::Yellow, BoxCode::Your, 0}));
    EXPECT_EQ(b.Cell(4, 5), (BoardCell{RegionCode::Yellow, BoxCode::Number, 9}));
    EXPECT_EQ(b.Cell(2, 5), (BoardCell{RegionCode::Green, BoxCode::Exception, 0}));
    EXPECT_EQ(b.Cell(1, 1).region, RegionCode::Blue);  // inside cells the rows miss are wall
    EXPECT_EQ(b.Cell(5, 3).region, RegionCode::Blue);
    EXPECT_EQ(b.starBoxCount, 2u);  // S and s, recounted
    EXPECT_EQ(b.numberBoxCount, 1u);
    const std::vector<std::string> rows = boardDrawing(b);
    ASSERT_EQ(rows.size(), std::size_t(kGridSize));
    EXPECT_EQ(rows[3].substr(2, 3), "Y.S");
    EXPECT_EQ(rows[4].substr(2, 3), "r,g");
    EXPECT_EQ(rows[5].substr(2, 3), "Eo9");
    EXPECT_EQ(rows[6].substr(2, 3), "fsX");
    EXPECT_EQ(rows[0], std::string(kGridSize, '#'));
    // Combinations no character stands for, and unknown codes, show as '?'.
    b.Cell(7, 7) = {RegionCode::Red, BoxCode::Hot, 0};
    b.Cell(8, 7) = {static_cast<RegionCode>(9), BoxCode::Empty, 0};
    b.Cell(9, 7) = {RegionCode::Yellow, BoxCode::Number, 0};
    EXPECT_EQ(boardDrawing(b)[7].substr(7, 3), "???");
    BoardCell cell;
    EXPECT_FALSE(cellFromChar('?', cell));
}
