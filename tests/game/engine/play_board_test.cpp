#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/engine_game.h"

using namespace vortan;
using namespace vortan::test;

namespace {
using Rows = std::vector<std::string>;

struct Board {
    CZembrikDoc doc;
    explicit Board(const BoardDefinition& b) { load(doc, b); }
    PlayBoard& pb() { return doc.playBoard; }
    Rows after(Direction d, int rows, int columns) {
        pb().moveBoxes(d);
        return picture(pb(), rows, columns);
    }
};
}  // namespace

TEST(PlayBoard, EveryBoxMovesOneCellAndALineMovesTogetherOrNotAtAll) {
    const Rows start = {"F....", "..#..", "..F.F", "..F.F", "....."};
    const struct {
        Direction d;
        Rows after;
    } cases[] = {
        {Direction::Up, {"F....", "..#.F", "..F.F", "..F..", "....."}},
        {Direction::Down, {".....", "F.#..", ".....", "..F.F", "..F.F"}},
        {Direction::Left, {"F....", "..#..", ".F.F.", ".F.F.", "....."}},
        {Direction::Right, {".F...", "..#..", "...FF", "...FF", "....."}},
    };
    for (const auto& c : cases) {
        Board t(room(start));
        EXPECT_EQ(t.after(c.d, 5, 5), c.after) << directionName(c.d);
        EXPECT_EQ(t.pb().eventKind(), kEventNone);
    }
}

// Hot, Time and Move boxes and Red cells on Yellow: see the rules tests.
TEST(PlayBoard, WhatYourBoxMeetsAboveIt) {
    const struct {
        Rows before, after;
        bool white;  // every Yellow cell White
        std::int32_t kind, code;
    } cases[] = {
        {{".", "S", "Y"}, {"S", "Y", "."}, false, kEventNone, kCodeNone},  // a Star that can move is pushed
        {{"S", "Y"}, {"Y", "."}, false, kEventStar, kCodeStar},
        {{"F", "Y"}, {"F", "Y"}, false, kEventNone, kCodeNone},
        {{"X", "Y"}, {"X", "Y"}, false, kEventNone, kCodeNone},  // an unknown box blocks
        // Freeze takes back the whole move, other boxes' steps too.
        {{"Z.", "YF"}, {"Z.", "YF"}, false, kEventFreeze, kCodeNone},
        // On White only Hot boxes are taken, and Freeze still holds.
        {{"S", "Y"}, {"s", "Y"}, true, kEventNone, kCodeNone},
        {{"H", "Y"}, {"Y", ","}, true, kEventHit, kCodeHot},
        {{"Z", "Y"}, {"Z", "Y"}, true, kEventFreeze, kCodeNone},
    };
    for (const auto& c : cases) {
        const BoardDefinition b = room(c.before);
        Board t(c.white ? whitened(b) : b);
        const int rows = static_cast<int>(c.before.size()), columns = static_cast<int>(c.before[0].size());
        EXPECT_EQ(t.after(Direction::Up, rows, columns), c.after) << c.before[0] << " white " << c.white;
        EXPECT_EQ(t.pb().eventKind(), c.kind) << c.before[0];
        EXPECT_EQ(t.pb().eventCode(), c.code) << c.before[0];
    }
}

TEST(PlayBoard, NumberBoxesAreTakenInOrderAndUndoPutsThemBack) {
    Board t(room({"2Y1."}));
    const struct {
        Direction d;
        const char* after;
        std::int32_t kind;
    } steps[] = {
        {Direction::Left, "2Y1.", kEventNone},  // 2 is not next: it blocks
        {Direction::Right, ".2Y1", kEventNone},  {Direction::Right, "..2Y", kEventNumber},
        {Direction::Left, ".2Y.", kEventNone},   {Direction::Left, "2Y..", kEventNone},
        {Direction::Left, "Y...", kEventNumber},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(t.after(s.d, 1, 4), Rows{s.after});
        EXPECT_EQ(t.pb().eventKind(), s.kind) << s.after;
    }
    EXPECT_EQ(t.pb().nextNumber(), 3);
    t.pb().undoMove();  // the two copies swap, numbers included
    EXPECT_EQ(picture(t.pb(), 1, 4), Rows{"2Y.."});
    t.pb().undoMove();
    EXPECT_EQ(picture(t.pb(), 1, 4), Rows{"Y..."});
}

TEST(PlayBoard, RegionsDecideWhoMayEnter) {
    // Your box and Orange, Free and Green, Exception and Green, Exception and
    // Orange, Hot and Blue, Free and Red, Free and an unknown region, an
    // unknown box and Yellow, Free and Orange.
    BoardDefinition b = room({"oggo#r..o", "YFEEHFFXF"});
    b.Cell(7, 1).region = static_cast<RegionCode>(9);
    Board t(b);
    EXPECT_EQ(t.after(Direction::Up, 2, 9), (Rows{"ogEo#F?Xf", "YFgEH.F.."}));
    EXPECT_EQ(t.pb().eventKind(), kEventNone);
}

TEST(PlayBoard, TheBoardSizeBoundsTheMoveAndStaysInsideTheGrid) {
    BoardDefinition b;
    b.ClearCells();  // no walls at all: column 0 is an ordinary column
    b.Cell(0, 3).box = BoxCode::Free;
    b.Cell(15, 3).box = BoxCode::Free;
    b.Cell(21, 21).box = BoxCode::Free;
    b.Cell(0, 0).box = BoxCode::Your;
    b.boardWidth = 10;
    Board t(b);
    t.pb().moveDown();
    EXPECT_EQ(t.pb().peek(0, 4).box, code(BoxCode::Free));
    EXPECT_EQ(t.pb().peek(15, 3).box, code(BoxCode::Free));  // outside the playing width

    for (std::uint32_t w : {0u, 1u, 23u, 65535u}) {
        b.boardWidth = b.boardHeight = w;
        Board u(b);
        for (Direction d : {Direction::Up, Direction::Down, Direction::Left, Direction::Right})
            u.pb().moveBoxes(d);
        u.pb().undoMove();
        u.pb().clear();
        int boxes = 0;
        for (int x = 0; x < kGridSize; ++x)
            for (int y = 0; y < kGridSize; ++y) boxes += u.pb().peek(x, y).box != 0;
        EXPECT_LE(boxes, 4) << w;  // none made out of nothing
    }
}

TEST(PlayBoard, GetCellRemembersYourBox) {
    Board t(room({"..Y"}));
    EXPECT_EQ(t.pb().yourX(), 3);  // the load reads the board as a redraw does
    EXPECT_EQ(t.pb().yourY(), 1);
    t.pb().moveLeft();
    EXPECT_EQ(t.pb().yourX(), 3);  // not yet seen
    t.pb().getCell(2, 1);
    EXPECT_EQ(t.pb().yourX(), 2);
    EXPECT_EQ(t.pb().getCell(30, -1).box, 0);
}
