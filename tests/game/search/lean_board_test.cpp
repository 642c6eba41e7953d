// The search's own move against the engine's PlayBoard: the same boxes (by
// their key) and the same event after every move, on thousands of random
// boards with every region, every box kind (codes outside the table too),
// Number boxes in and out of turn, and moving areas smaller than the grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "game/search/lean_board.h"

using namespace vortan;
using namespace vortan::search;

namespace {

// Fills the inside of a play board at random; at most one Your box.
void randomBoard(std::mt19937& rng, PlayBoard& b, bool smallArea) {
    const int w = smallArea ? 2 + static_cast<int>(rng() % 21) : kGridSize;
    const int h = smallArea ? 2 + static_cast<int>(rng() % 21) : kGridSize;
    b.init(kGridSize, kGridSize);
    b.clear();
    const int density = 3 + static_cast<int>(rng() % 8);  // one box in `density` cells
    bool your = false;
    for (int y = 0; y < kGridSize; ++y)
        for (int x = 0; x < kGridSize; ++x) {
            // Mostly Yellow; every other region and an unknown code now and then.
            static const std::int32_t regions[] = {0, 0, 0, 0, 0, 1, 2, 2, 3, 3, 4, 4, 5, 5, 9};
            std::int32_t region = regions[rng() % 15];
            std::int32_t box = 0, number = 0;
            if (rng() % density == 0) {
                static const std::int32_t boxes[] = {2, 2, 3, 3, 3, 4, 4, 5, 6, 7, 8, 9, 13};
                box = boxes[rng() % 13];
                if (box == 3) number = 1 + static_cast<std::int32_t>(rng() % 4);
                if (!your && rng() % 4 == 0) {
                    box = 1;
                    your = true;
                }
            }
            b.setCell(x, y, region, box, number);
        }
    b.init(w, h);
}

}  // namespace

TEST(LeanMove, MatchesTheEnginesSweepOnThousandsOfRandomBoards) {
    std::mt19937 rng(2024);
    std::uint8_t grid[kCellCount] = {};
    int events[8] = {};
    for (int round = 0; round < 3000; ++round) {
        PlayBoard engine;
        randomBoard(rng, engine, round % 5 == 0);
        LeanBoard lean;
        std::string error;
        ASSERT_TRUE(lean.build(engine, error)) << error;
        std::uint64_t key[kMaxKeyWords];
        lean.startKey(engine, key);
        LeanBox boxes[256];
        int n = lean.decode(key, boxes);
        for (int step = 0; step < 12; ++step) {
            const auto d = static_cast<Direction>(1 + rng() % 4);
            const std::int32_t next = engine.nextNumber();
            const LeanMove m = lean.move(boxes, n, d, next, grid);
            engine.moveBoxes(d);
            ASSERT_EQ(m.eventKind, engine.eventKind()) << round << "/" << step;
            ASSERT_EQ(m.eventCode, engine.eventCode()) << round << "/" << step;
            ASSERT_EQ(m.nextNumber, engine.nextNumber()) << round << "/" << step;
            ++events[m.eventCode + 1 + (m.eventKind == kEventFreeze ? -1 : 0)];
            // The engine's boxes keyed afresh give the lean position's key: the
            // same boxes, and a key that forgets which of two like boxes is
            // which, as the player does. The search carries on from that key.
            std::uint64_t fresh[kMaxKeyWords];
            lean.startKey(engine, fresh);
            lean.encode(boxes, n, key);
            ASSERT_TRUE(std::equal(key, key + lean.keyWords(), fresh)) << round << "/" << step;
            n = lean.decode(key, boxes);
            for (int i = 0; i < kCellCount; ++i) ASSERT_EQ(grid[i], 0) << "the scratch grid was left dirty";
        }
    }
    // Every event the rules know happened many times.
    for (int e = 0; e < 8; ++e) EXPECT_GT(events[e], 20) << "event slot " << e;
}

// (Two Your boxes are refused through the solve command, in board_tool_test.)
TEST(LeanMove, RefusesOverfullBoards) {
    PlayBoard full;
    full.init(kGridSize, kGridSize);
    for (int i = 0; i < kCellCount; ++i) full.setCell(i % kGridSize, i / kGridSize, 0, 2, 0);
    LeanBoard lean;
    std::string error;
    EXPECT_FALSE(lean.build(full, error));
    EXPECT_NE(error.find(std::to_string(kCellCount) + " boxes"), std::string::npos) << error;
}
