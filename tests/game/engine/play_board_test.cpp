#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "test_boards.h"

using namespace vortan;
using namespace vortan::test;

namespace {
struct Board {
    CZembrikDoc doc;
    explicit Board(const BoardDefinition& b) { load(doc, b); }
    PlayBoard& pb() { return doc.playBoard; }
    std::int32_t box(int x, int y) { return pb().peek(x, y).box; }
};
}  // namespace

TEST(PlayBoard, UpMovesEveryFreeBoxExactlyOneRow) {
    BoardDefinition b = openBoard();
    put(b, 3, 10, BoxCode::Free);
    put(b, 7, 20, BoxCode::Free);
    put(b, 9, 1, BoxCode::Free);  // under the Blue border: stays
    Board t(b);
    t.pb().moveUp();
    EXPECT_EQ(t.box(3, 9), code(BoxCode::Free));
    EXPECT_EQ(t.box(3, 10), 0);
    EXPECT_EQ(t.box(7, 19), code(BoxCode::Free));
    EXPECT_EQ(t.box(9, 1), code(BoxCode::Free));
    EXPECT_EQ(t.pb().eventKind(), 0);
}

TEST(PlayBoard, ALineOfBoxesAdvancesTogetherOrNotAtAll) {
    BoardDefinition b = openBoard();
    for (int y : {5, 6, 7}) put(b, 4, y, BoxCode::Free);
    for (int y : {5, 6, 7}) put(b, 8, y, BoxCode::Free);
    region(b, 8, 4, RegionCode::Blue);
    Board t(b);
    t.pb().moveUp();
    for (int y : {4, 5, 6}) EXPECT_EQ(t.box(4, y), code(BoxCode::Free)) << y;
    EXPECT_EQ(t.box(4, 7), 0);
    for (int y : {5, 6, 7}) EXPECT_EQ(t.box(8, y), code(BoxCode::Free)) << y;

    // Every direction sweeps from the edge the boxes move toward.
    for (Direction d : {Direction::Down, Direction::Left, Direction::Right}) {
        BoardDefinition c = openBoard();
        put(c, 10, 10, BoxCode::Free);
        put(c, 11, 10, BoxCode::Free);
        put(c, 10, 11, BoxCode::Free);
        Board u(c);
        u.pb().moveBoxes(d);
        int moved = 0;
        for (int x = 0; x < 22; ++x)
            for (int y = 0; y < 22; ++y) moved += u.box(x, y) != 0;
        EXPECT_EQ(moved, 3);
        if (d == Direction::Down) {
            EXPECT_EQ(u.box(10, 12), code(BoxCode::Free));
            EXPECT_EQ(u.box(10, 11), code(BoxCode::Free));
            EXPECT_EQ(u.box(11, 11), code(BoxCode::Free));
        } else if (d == Direction::Left) {
            EXPECT_EQ(u.box(9, 10), code(BoxCode::Free));
            EXPECT_EQ(u.box(10, 10), code(BoxCode::Free));
            EXPECT_EQ(u.box(9, 11), code(BoxCode::Free));
        } else {
            EXPECT_EQ(u.box(12, 10), code(BoxCode::Free));
            EXPECT_EQ(u.box(11, 10), code(BoxCode::Free));
            EXPECT_EQ(u.box(11, 11), code(BoxCode::Free));
        }
    }
}

TEST(PlayBoard, YourBoxTakesAStarOnlyWhenTheStarCannotMoveAway) {
    BoardDefinition b = openBoard();
    put(b, 5, 10, BoxCode::Star);
    put(b, 5, 11, BoxCode::Your);
    Board t(b);
    t.pb().moveUp();
    EXPECT_EQ(t.box(5, 9), code(BoxCode::Star));
    EXPECT_EQ(t.box(5, 10), code(BoxCode::Your));
    EXPECT_EQ(t.pb().eventKind(), 0);

    region(b, 5, 9, RegionCode::Blue);
    Board w(b);
    w.pb().moveUp();
    EXPECT_EQ(w.box(5, 10), code(BoxCode::Your));
    EXPECT_EQ(w.box(5, 11), 0);
    EXPECT_EQ(w.pb().eventKind(), kEventStar);
    EXPECT_EQ(w.pb().eventCode(), kCodeStar);
}

TEST(PlayBoard, NumberBoxesAreTakenInOrder) {
    BoardDefinition b = openBoard();
    put(b, 1, 5, BoxCode::Number, RegionCode::Yellow, 2);
    put(b, 3, 5, BoxCode::Number, RegionCode::Yellow, 1);
    put(b, 2, 5, BoxCode::Your);
    Board t(b);
    t.pb().moveLeft();  // 2 blocks against the wall: Your box cannot take it
    EXPECT_EQ(t.box(2, 5), code(BoxCode::Your));
    EXPECT_EQ(t.pb().eventKind(), 0);
    t.pb().moveRight();  // 1 moves away to the right
    t.pb().moveRight();
    for (int i = 0; i < 20; ++i) t.pb().moveRight();  // push 1 to the wall, then take it
    EXPECT_EQ(t.pb().nextNumber(), 2);
    for (int i = 0; i < 25; ++i) t.pb().moveLeft();  // back to 2 against the left wall
    EXPECT_EQ(t.pb().nextNumber(), 3);
    EXPECT_EQ(t.box(1, 5), code(BoxCode::Your));
}

TEST(PlayBoard, AFreezeBoxTakesBackTheWholeMove) {
    BoardDefinition b = openBoard();
    put(b, 5, 5, BoxCode::Freeze);
    region(b, 5, 4, RegionCode::Blue);
    put(b, 5, 6, BoxCode::Your);
    put(b, 12, 12, BoxCode::Free);
    Board t(b);
    t.pb().moveUp();
    EXPECT_EQ(t.box(5, 6), code(BoxCode::Your));
    EXPECT_EQ(t.box(12, 12), code(BoxCode::Free));
    EXPECT_EQ(t.box(12, 11), 0);
    EXPECT_EQ(t.pb().eventKind(), kEventFreeze);
    EXPECT_EQ(t.pb().eventCode(), 0);
}

TEST(PlayBoard, RegionsDecideWhoMayEnter) {
    BoardDefinition b = openBoard();
    region(b, 2, 4, RegionCode::Orange);
    put(b, 2, 5, BoxCode::Your);  // may not enter Orange
    region(b, 4, 4, RegionCode::Green);
    put(b, 4, 5, BoxCode::Free);  // may not enter Green
    region(b, 6, 4, RegionCode::Green);
    put(b, 6, 5, BoxCode::Exception);  // may enter Green
    region(b, 8, 4, RegionCode::Orange);
    put(b, 8, 5, BoxCode::Exception);  // may not enter Orange
    region(b, 10, 4, RegionCode::Blue);
    put(b, 10, 5, BoxCode::Hot);  // nothing enters Blue
    region(b, 12, 4, RegionCode::Red);
    put(b, 12, 5, BoxCode::Free);  // any other box enters Red quietly
    region(b, 14, 4, static_cast<RegionCode>(9));
    put(b, 14, 5, BoxCode::Free);  // unknown region: nothing enters
    put(b, 16, 5, static_cast<BoxCode>(12));  // unknown box moves like any box
    Board t(b);
    t.pb().moveUp();
    EXPECT_EQ(t.box(2, 5), code(BoxCode::Your));
    EXPECT_EQ(t.box(4, 5), code(BoxCode::Free));
    EXPECT_EQ(t.box(6, 4), code(BoxCode::Exception));
    EXPECT_EQ(t.box(8, 5), code(BoxCode::Exception));
    EXPECT_EQ(t.box(10, 5), code(BoxCode::Hot));
    EXPECT_EQ(t.box(12, 4), code(BoxCode::Free));
    EXPECT_EQ(t.box(14, 5), code(BoxCode::Free));
    EXPECT_EQ(t.box(16, 4), 12);
    EXPECT_EQ(t.pb().eventKind(), 0);
}

TEST(PlayBoard, WhiteCellsOnlyLetYourBoxIntoHotBoxes) {
    BoardDefinition b = openBoard();
    region(b, 3, 1, RegionCode::Blue);
    put(b, 3, 2, BoxCode::Star, RegionCode::White);
    put(b, 3, 3, BoxCode::Your);
    Board t(b);
    t.pb().moveUp();
    EXPECT_EQ(t.box(3, 3), code(BoxCode::Your));  // Star on White blocks
    EXPECT_EQ(t.pb().eventKind(), 0);

    BoardDefinition c = openBoard();
    region(c, 3, 1, RegionCode::Blue);
    put(c, 3, 2, BoxCode::Hot, RegionCode::White);
    put(c, 3, 3, BoxCode::Your);
    Board u(c);
    u.pb().moveUp();
    EXPECT_EQ(u.box(3, 2), code(BoxCode::Your));
    EXPECT_EQ(u.pb().eventCode(), kCodeHot);

    BoardDefinition d = openBoard();
    region(d, 3, 1, RegionCode::Blue);
    put(d, 3, 2, static_cast<BoxCode>(15));  // unknown box against the wall
    put(d, 3, 3, BoxCode::Your);
    Board v(d);
    v.pb().moveUp();
    EXPECT_EQ(v.box(3, 3), code(BoxCode::Your));
}

TEST(PlayBoard, YourBoxOnARedCellIsAnEvent) {
    BoardDefinition b = openBoard();
    region(b, 7, 6, RegionCode::Red);
    put(b, 7, 7, BoxCode::Your);
    Board t(b);
    t.pb().moveUp();
    EXPECT_EQ(t.box(7, 6), code(BoxCode::Your));
    EXPECT_EQ(t.pb().eventKind(), kEventHit);
    EXPECT_EQ(t.pb().eventCode(), kCodeRed);
}

TEST(PlayBoard, UndoSwapsTheTwoCopies) {
    BoardDefinition b = openBoard();
    put(b, 0 + 1, 20, BoxCode::Free);
    Board t(b);
    t.pb().moveUp();
    EXPECT_EQ(t.box(1, 19), code(BoxCode::Free));
    t.pb().undoMove();
    EXPECT_EQ(t.box(1, 20), code(BoxCode::Free));
    EXPECT_EQ(t.box(1, 19), 0);
    t.pb().undoMove();
    EXPECT_EQ(t.box(1, 19), code(BoxCode::Free));
}

TEST(PlayBoard, ColumnZeroAndNarrowBoards) {
    BoardDefinition b = openBoard();
    b.ClearCells();  // no walls at all: column 0 is an ordinary column
    put(b, 0, 3, BoxCode::Free);
    put(b, 15, 3, BoxCode::Free);
    b.boardWidth = 10;
    Board t(b);
    t.pb().moveDown();
    EXPECT_EQ(t.box(0, 4), code(BoxCode::Free));
    EXPECT_EQ(t.box(15, 3), code(BoxCode::Free));  // outside the playing width
}

TEST(PlayBoard, OutOfRangeSizesStayInsideTheGrid) {
    for (std::uint32_t w : {0u, 1u, 23u, 65535u}) {
        BoardDefinition b = openBoard();
        b.ClearCells();
        b.boardWidth = w;
        b.boardHeight = w;
        put(b, 21, 21, BoxCode::Free);
        put(b, 0, 0, BoxCode::Your);
        Board t(b);
        for (Direction d : {Direction::Up, Direction::Down, Direction::Left, Direction::Right})
            t.pb().moveBoxes(d);
        t.pb().undoMove();
        t.pb().clear();
        int boxes = 0;
        for (int x = 0; x < 22; ++x)
            for (int y = 0; y < 22; ++y) boxes += t.box(x, y) != 0;
        EXPECT_LE(boxes, 2) << w;
    }
}

TEST(PlayBoard, GetCellRemembersYourBox) {
    BoardDefinition b = openBoard();
    put(b, 9, 4, BoxCode::Your);
    Board t(b);
    EXPECT_EQ(t.pb().yourX(), 9);  // the load reads the board as a redraw does
    EXPECT_EQ(t.pb().yourY(), 4);
    t.pb().moveLeft();
    EXPECT_EQ(t.pb().yourX(), 9);  // not yet seen
    t.pb().getCell(8, 4);
    EXPECT_EQ(t.pb().yourX(), 8);
    EXPECT_EQ(t.pb().getCell(30, -1).box, 0);
}
