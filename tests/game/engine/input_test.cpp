#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "test_boards.h"

using namespace vortan;
using namespace vortan::test;


TEST(Input, ClickZones) {
    EXPECT_EQ(clickZone(400, 275), Direction::Left);
    EXPECT_EQ(clickZone(650, 275), Direction::Right);
    EXPECT_EQ(clickZone(525, 100), Direction::Up);
    EXPECT_EQ(clickZone(525, 450), Direction::Down);
    EXPECT_EQ(clickZone(525, 275), Direction::None);  // centre square
    EXPECT_EQ(clickZone(260, 275), Direction::None);  // board margin
    EXPECT_EQ(clickZone(100, 100), Direction::None);  // status panel
    EXPECT_EQ(clickZone(400, 20), Direction::None);   // above the rectangle
    EXPECT_EQ(clickZone(487, 275), Direction::None);  // the centre square's edge
    EXPECT_EQ(clickZone(486, 275), Direction::Left);
    // Points on the diagonals: x - y = 250 is top or right, x + y = 799 right or bottom.
    EXPECT_EQ(clickZone(350, 100), Direction::Up);
    EXPECT_EQ(clickZone(700, 450), Direction::Right);
    EXPECT_EQ(clickZone(700, 99), Direction::Right);
    EXPECT_EQ(clickZone(350, 449), Direction::Down);
    // The four zones never overlap and cover only the ring.
    for (int x = 250; x < 800; x += 3)
        for (int y = 0; y < 550; y += 3) {
            const Direction d = clickZone(x, y);
            const bool inRing = x >= 287 && x <= 762 && y >= 37 && y <= 512 &&
                                !(x >= 487 && x <= 562 && y >= 237 && y <= 312);
            if (!inRing) {
                EXPECT_EQ(d, Direction::None) << x << "," << y;
            }
        }
}

TEST(Input, KeysAndClicksMoveOnlyWhilePlaying) {
    BoardDefinition b = openBoard();
    put(b, 5, 5, BoxCode::Star, RegionCode::White);
    put(b, 10, 10, BoxCode::Your);
    Game g(b);
    g.rules.moveByClick(400, 275);
    EXPECT_EQ(g.box(9, 10), code(BoxCode::Your));
    g.rules.moveByClick(525, 275);  // centre: nothing
    EXPECT_EQ(g.box(9, 10), code(BoxCode::Your));
    g.rules.OnMouseControl();
    g.rules.moveByClick(650, 275);
    EXPECT_EQ(g.box(9, 10), code(BoxCode::Your));
    g.rules.OnKeyDown(kKeyRight);  // keys still work
    EXPECT_EQ(g.box(10, 10), code(BoxCode::Your));
    g.rules.OnKeyDown(32);  // not an arrow
    EXPECT_EQ(g.box(10, 10), code(BoxCode::Your));
    g.rules.OnMouseControl();

    for (GameState s : {GameState::Paused, GameState::DemoPlaying, GameState::GameOver, GameState::Idle,
                        GameState::OpeningMessage, GameState::DemoRecording}) {
        enterState(g.doc, s);
        g.rules.moveByClick(400, 275);
        if (s != GameState::DemoRecording) g.rules.OnKeyDown(kKeyLeft);
        EXPECT_EQ(g.box(10, 10), code(BoxCode::Your)) << gameStateName(s);
    }
}

TEST(Input, RecordingStoresArrowKeysAndCountsEveryKey) {
    BoardDefinition b = openBoard();
    put(b, 5, 5, BoxCode::Star, RegionCode::White);
    put(b, 10, 10, BoxCode::Your);
    Game g(b, RunKind::Recording);
    g.doc.ClearDemoMoves();
    g.rules.OnKeyDown(kKeyUp);
    g.rules.OnKeyDown(kKeyRight);
    g.rules.OnKeyDown(32);
    g.rules.OnKeyDown(kKeyDown);
    g.rules.OnKeyDown(kKeyLeft);
    const std::int32_t expected[] = {1, 4, 0, 2, 3, 0};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(g.doc.GetDemoMove(i), expected[i]) << i;
    EXPECT_EQ(g.doc.GetDemoMove(150), 6);
    EXPECT_EQ(g.rules.recordIndex, 5);
    // No direction highlight while recording.
    EXPECT_EQ(std::count(g.fx.log.begin(), g.fx.log.end(), "showMove None"), 4);

    // Past the 151st entry keys still play but store nothing.
    g.rules.recordIndex = 150;
    g.rules.OnKeyDown(kKeyUp);
    EXPECT_EQ(g.doc.GetDemoMove(150), 1);
    EXPECT_EQ(g.rules.recordIndex, 151);
    const PlayCell before = g.doc.playBoard.peek(10, 8);
    g.rules.OnKeyDown(kKeyUp);
    EXPECT_EQ(g.rules.recordIndex, 151);
    EXPECT_EQ(g.doc.GetDemoMove(151), 0);
    EXPECT_NE(before.box, g.doc.playBoard.peek(10, 8).box);  // the move itself was made
}
