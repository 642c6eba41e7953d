#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/engine_game.h"

using namespace vortan;
using namespace vortan::test;

TEST(Input, ClickZones) {
    const struct {
        int x, y;
        Direction d;
    } points[] = {
        {400, 275, Direction::Left}, {650, 275, Direction::Right}, {525, 100, Direction::Up},
        {525, 450, Direction::Down}, {525, 275, Direction::None},  // the centre square
        {487, 275, Direction::None}, {486, 275, Direction::Left},  // its edge
        // On the diagonals x - y = 250 is top or right, x + y = 799 right or bottom.
        {350, 100, Direction::Up}, {700, 450, Direction::Right}, {700, 99, Direction::Right},
        {350, 449, Direction::Down},
    };
    for (const auto& p : points) EXPECT_EQ(clickZone(p.x, p.y), p.d) << p.x << "," << p.y;
    // Outside the ring (the panel, the board's margin, above it) nothing.
    for (int x = 0; x < 800; x += 3)
        for (int y = 0; y < 550; y += 3) {
            const bool inRing = x >= 287 && x <= 762 && y >= 37 && y <= 512 &&
                                !(x >= 487 && x <= 562 && y >= 237 && y <= 312);
            if (!inRing) {
                EXPECT_EQ(clickZone(x, y), Direction::None) << x << "," << y;
            }
        }
}

TEST(Input, KeysAndClicksMoveOnlyWhilePlaying) {
    Game g(room({"s..", ".Y."}));
    g.rules.moveByClick(400, 275);
    EXPECT_EQ(g.box(1, 2), code(BoxCode::Your));
    g.rules.moveByClick(525, 275);  // centre: nothing
    g.rules.OnMouseControl();
    g.rules.moveByClick(650, 275);  // mouse control off
    EXPECT_EQ(g.box(1, 2), code(BoxCode::Your));
    g.rules.OnKeyDown(kKeyRight);  // keys still work
    EXPECT_EQ(g.box(2, 2), code(BoxCode::Your));
    g.rules.OnKeyDown(32);  // not an arrow
    EXPECT_EQ(g.box(2, 2), code(BoxCode::Your));
    g.rules.OnMouseControl();

    for (GameState s : {GameState::Paused, GameState::DemoPlaying, GameState::GameOver, GameState::Idle,
                        GameState::OpeningMessage, GameState::DemoRecording}) {
        enterState(g.doc, s);
        g.rules.moveByClick(400, 275);
        if (s != GameState::DemoRecording) g.rules.OnKeyDown(kKeyLeft);
        EXPECT_EQ(g.box(2, 2), code(BoxCode::Your)) << gameStateName(s);
    }
}

TEST(Input, RecordingStoresArrowKeysAndCountsEveryKey) {
    Game g(room({"s..", "...", ".Y."}), RunKind::Recording);  // a new document's list: empty but its end marker
    for (int key : {kKeyUp, kKeyRight, 32, kKeyDown, kKeyLeft}) g.rules.OnKeyDown(key);
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
    g.rules.OnKeyDown(kKeyUp);
    EXPECT_EQ(g.rules.recordIndex, 151);
    for (int outside : {-1, 151}) EXPECT_EQ(g.doc.GetDemoMove(outside), 0);
    EXPECT_EQ(g.picture(3, 3), (std::vector<std::string>{"sY.", "...", "..."}));  // both moves were made
}
