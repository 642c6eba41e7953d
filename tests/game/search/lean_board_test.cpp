// The search's own move against the engine's PlayBoard: the same boxes and
// the same event after every move, on thousands of random boards with every
// region, every box kind (codes outside the table too), Number boxes in and
// out of turn, and moving areas smaller than the grid.
#include <gtest/gtest.h>

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

// The boxes of a lean position laid out as a grid of box and number.
struct Grid {
    std::int32_t box[kCellCount] = {};
    std::int32_t number[kCellCount] = {};
};

Grid leanGrid(const LeanBoard& lean, const LeanBox* boxes, int n) {
    Grid g;
    for (int i = 0; i < n; ++i) {
        if (boxes[i].cell == kTakenCell) continue;
        g.box[boxes[i].cell] = lean.kindOfSlot(boxes[i].slot).box;
        g.number[boxes[i].cell] = lean.kindOfSlot(boxes[i].slot).number;
    }
    return g;
}

// Empty cells may keep a stale number in the engine; only boxes count.
std::string differences(const Grid& g, const PlayBoard& b) {
    std::string out;
    for (int i = 0; i < kCellCount; ++i) {
        const PlayCell& c = b.peek(i % kGridSize, i / kGridSize);
        if (c.box != g.box[i] || (c.box != 0 && c.number != g.number[i]))
            out += " cell " + std::to_string(i) + ": engine " + std::to_string(c.box) + "/" +
                   std::to_string(c.number) + " lean " + std::to_string(g.box[i]) + "/" + std::to_string(g.number[i]);
    }
    return out;
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
            const std::string diff = differences(leanGrid(lean, boxes, n), engine);
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
    // position, as the player does.
    PlayBoard a, b;
    for (PlayBoard* p : {&a, &b}) {
        p->init(kGridSize, kGridSize);
        for (int i = 0; i < kCellCount; ++i) p->setCell(i % kGridSize, i / kGridSize, 0, 0, 0);
    }
    a.setCell(3, 3, 0, 2, 0);
    a.setCell(5, 5, 0, 2, 0);
    a.setCell(9, 9, 0, 1, 0);
    b.setCell(5, 5, 0, 2, 0);
    b.setCell(3, 3, 0, 2, 0);
    b.setCell(9, 9, 0, 1, 0);
    LeanBoard lean;
    std::string error;
    ASSERT_TRUE(lean.build(a, error));
    std::uint64_t ka[kMaxKeyWords] = {}, kb[kMaxKeyWords] = {};
    lean.startKey(a, ka);
    lean.startKey(b, kb);
    EXPECT_EQ(ka[0], kb[0]);
    // Moving one box changes the key.
    b.setCell(3, 3, 0, 0, 0);
    b.setCell(3, 4, 0, 2, 0);
    lean.startKey(b, kb);
    EXPECT_NE(ka[0], kb[0]);
}

TEST(LeanMove, RefusesTwoYourBoxesAndOverfullBoards) {
    PlayBoard b;
    b.init(kGridSize, kGridSize);
    b.setCell(2, 2, 0, 1, 0);
    b.setCell(4, 4, 0, 1, 0);
    LeanBoard lean;
    std::string error;
    EXPECT_FALSE(lean.build(b, error));
    EXPECT_NE(error.find("2 Your boxes"), std::string::npos);
    for (int i = 0; i < kCellCount; ++i) b.setCell(i % kGridSize, i / kGridSize, 0, 2, 0);
    error.clear();
    EXPECT_FALSE(lean.build(b, error));
    EXPECT_NE(error.find("484 boxes"), std::string::npos);
}
