// The search's own move against the engine's PlayBoard: the same boxes and
// the same event after every move, on thousands of random boards with every
// region, every box kind (codes outside the table too), Number boxes in and
// out of turn, and moving areas smaller than the grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
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

// Where the lean position's boxes differ from the engine's, if anywhere.
// Empty cells may keep a stale number in the engine; only boxes count.
std::string differences(const LeanBoard& lean, const LeanBox* boxes, int n, const PlayBoard& b) {
    std::int32_t box[kCellCount] = {}, number[kCellCount] = {};
    for (int i = 0; i < n; ++i) {
        if (boxes[i].cell == kTakenCell) continue;
        box[boxes[i].cell] = lean.kindOfSlot(boxes[i].slot).box;
        number[boxes[i].cell] = lean.kindOfSlot(boxes[i].slot).number;
    }
    std::string out;
    for (int i = 0; i < kCellCount; ++i) {
        const PlayCell& c = b.peek(i % kGridSize, i / kGridSize);
        if (c.box != box[i] || (c.box != 0 && c.number != number[i]))
            out += " cell " + std::to_string(i) + ": engine " + std::to_string(c.box) + "/" +
                   std::to_string(c.number) + " lean " + std::to_string(box[i]) + "/" + std::to_string(number[i]);
    }
    return out;
}

// A board of Yellow cells, empty but for `boxes` (x, y, box code).
PlayBoard yellowBoard(std::initializer_list<std::array<int, 3>> boxes) {
    PlayBoard b;
    b.init(kGridSize, kGridSize);
    for (int i = 0; i < kCellCount; ++i) b.setCell(i % kGridSize, i / kGridSize, 0, 0, 0);
    for (const auto& [x, y, box] : boxes) b.setCell(x, y, 0, box, 0);
    return b;
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
            const std::string diff = differences(lean, boxes, n, engine);
            ASSERT_TRUE(diff.empty()) << round << "/" << step << diff;
            ++events[m.eventCode + 1 + (m.eventKind == kEventFreeze ? -1 : 0)];
            // Carry on from a canonical key, as the search does.
            lean.encode(boxes, n, key);
            n = lean.decode(key, boxes);
            for (int i = 0; i < kCellCount; ++i) ASSERT_EQ(grid[i], 0) << "the scratch grid was left dirty";
        }
    }
    // Every event the rules know happened many times.
    for (int e = 0; e < 8; ++e) EXPECT_GT(events[e], 20) << "event slot " << e;
}

TEST(LeanMove, KeysForgetWhichOfTwoLikeBoxesIsWhich) {
    // Two Free boxes that swap places give the same key: the search sees one
    // position, as the player does. Moving one box changes the key.
    const PlayBoard board = yellowBoard({{3, 3, 2}, {5, 5, 2}, {9, 9, 1}});
    LeanBoard lean;
    std::string error;
    ASSERT_TRUE(lean.build(board, error)) << error;
    std::uint64_t start[kMaxKeyWords] = {}, swapped[kMaxKeyWords] = {}, moved[kMaxKeyWords] = {};
    lean.startKey(board, start);
    LeanBox boxes[256];
    const int n = lean.decode(start, boxes);
    ASSERT_EQ(n, 3);
    std::swap(boxes[0].cell, boxes[1].cell);  // grid order: the two Free boxes first
    lean.encode(boxes, n, swapped);
    lean.startKey(yellowBoard({{3, 4, 2}, {5, 5, 2}, {9, 9, 1}}), moved);
    EXPECT_TRUE(std::equal(start, start + lean.keyWords(), swapped));
    EXPECT_FALSE(std::equal(start, start + lean.keyWords(), moved));
}

// (Two Your boxes are refused through the solve command, in solver_test.)
TEST(LeanMove, RefusesOverfullBoards) {
    PlayBoard full = yellowBoard({});
    for (int i = 0; i < kCellCount; ++i) full.setCell(i % kGridSize, i / kGridSize, 0, 2, 0);
    LeanBoard lean;
    std::string error;
    EXPECT_FALSE(lean.build(full, error));
    EXPECT_NE(error.find(std::to_string(kCellCount) + " boxes"), std::string::npos) << error;
}
