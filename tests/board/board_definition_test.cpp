#include <gtest/gtest.h>

#include "board/board_definition.h"

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
