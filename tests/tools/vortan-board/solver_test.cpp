// The search as the board tool uses it: shortest wins checked against every
// line of play through the real rules, the limits that lengthen or forbid a
// win, the budgets that stop it, and the hint on an ended game. (The solve
// and hint commands are tested with the board tool's others.)
#include <gtest/gtest.h>

#include <random>

#include "solver.h"
#include "tests/support/search_boards.h"

using namespace vortan;
using namespace vortan::test;

TEST(SolverShortest, AgreesWithAnExhaustiveSearchOnSmallRandomBoards) {
    // The second set has Red cells, Hot, Freeze, Time and Move boxes, Green
    // and Orange, small move limits, clocks and lives: every rule that can
    // end or lengthen a game. Every other search starts from a game one move
    // in, its clocks running, as a hint does.
    const struct {
        unsigned seed;
        const char* pieces;
        bool limits;
        int rounds;
    } sets[] = {{7, "....,.....#SSFF", false, 30}, {11, ".........,#rrSFHZTMEfgos", true, 160}};
    for (const auto& set : sets) {
        std::mt19937 rng(set.seed);
        int compared = 0;
        for (int round = 0; round < set.rounds; ++round) {
            CZembrikDoc doc = LoadedDocument(randomRoom(rng, 4, 5, set.pieces, set.limits));
            if (round % 2 == 1) doc = ReplayMoves(doc, "LT").doc;
            if (doc.gameState() == GameState::GameOver) continue;
            const int expected = exhaustiveShortest(doc, 6);
            const SolveResult r = SolveDocument(doc);
            compared += expected > 0;
            if (r.status != SolveStatus::Won) {
                EXPECT_EQ(r.status, SolveStatus::NoWin) << round;
                EXPECT_LT(expected, 0) << round;
                continue;
            }
            // A win the exhaustive search did not reach is longer than its lines.
            EXPECT_TRUE(expected > 0 ? r.length == expected : r.length > 6) << round << ": " << r.length;
        }
        EXPECT_GT(compared, 10) << set.seed;
    }
}

TEST(SolverLimits, LivesLimitsAndBonusBoxesDecideTheShortestWin) {
    const std::vector<std::string> walk = {"..S..", ".....", ".....", "..Y.."};
    const std::vector<std::string> farStar = {"S....", ".....", ".....", ".....", "..MY."};
    const std::vector<std::string> countdown = {"S....", ".....", ".....", "TY..."};
    const struct {
        const char* what;
        std::vector<std::string> rows;
        std::uint32_t lives, moveLimit, moveBoxValue, starTimeLimit, timeBoxValue;
        int length;  // shortest win, by trying every line; -1: none
    } cases[] = {
        // Straight up through the Hot box is shortest; around it costs more.
        {"a spare life", {"S..", "H#.", "Y.."}, 2, 600, 0, 0, 0, 2},
        {"the last life", {"S..", "H#.", "Y.."}, 1, 600, 0, 0, 0, 4},
        // The move that uses up the last allowed move loses.
        {"move limit = length", walk, 1, 3, 0, 0, 0, -1},
        {"move limit > length", walk, 1, 4, 0, 0, 0, 3},
        // Seven moves with five allowed and three more from the Move box (one
        // short would lose): it must be taken within the first four.
        {"a Move box", farStar, 1, 5, 3, 0, 0, 7},
        // The Star's countdown runs out unless the Time box is taken on the way.
        {"a Time box", countdown, 1, 600, 0, 3, 5, 4},
        {"a Time box in the last second", countdown, 1, 600, 0, 1, 5, 4},
        // Red cells and Freeze boxes never cost a life.
        {"Red cells", {".S.", "rr.", "Y.."}, 3, 600, 0, 0, 0, 4},
        {"a Freeze box", {"S#.", "Z..", "Y.."}, 3, 600, 0, 0, 0, 4},
        {"nothing to take", {"Y.."}, 1, 600, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        BoardDefinition b = drawn(c.rows);
        b.numberOfLives = c.lives;
        b.moveLimit = c.moveLimit;
        b.moveBoxMoveValue = c.moveBoxValue;
        b.starBoxTimeLimit = c.starTimeLimit;
        b.timeBoxTimeValue = c.timeBoxValue;
        EXPECT_EQ(exhaustiveShortest(LoadedDocument(b), 8), c.length) << c.what;
        const SolveResult r = SolveBoard(b);
        EXPECT_EQ(r.status, c.length < 0 ? SolveStatus::NoWin : SolveStatus::Won) << c.what;
        if (r.status != SolveStatus::Won) continue;
        EXPECT_EQ(r.length, c.length) << c.what;
        if (b.CountBoxes(BoxCode::Hot) == 0) {
            EXPECT_EQ(ReplayMoves(LoadedDocument(b), r.moves).doc.numberOfLives, b.numberOfLives) << c.what;
        }
    }
}

// (No win at all is found on the random boards above and through the solve command.)
TEST(SolverSearch, StopsAtItsBudgetsOrWhenCancelled) {
    SolveOptions small;
    small.memoryBudget = 64 * 1024;
    const SolveResult r = SolveBoard(busyBoard(), small);
    EXPECT_EQ(r.status, SolveStatus::BudgetHit);
    EXPECT_LE(r.peakBytes, small.memoryBudget);
    SolveOptions capped;
    capped.budget = 50;
    const SolveResult c = SolveBoard(busyBoard(), capped);
    EXPECT_EQ(c.status, SolveStatus::BudgetHit);
    EXPECT_GE(c.states, 50u);

    std::atomic<bool> cancel{true};
    SolveOptions o;
    o.cancel = &cancel;
    EXPECT_EQ(SolveBoard(drawn({"..S..", ".....", "..Y.."}), o).status, SolveStatus::Cancelled);
}

TEST(SolverSearch, TwoThreadsSearchTheSamePositionsAsOne) {
    // Boards whose search layers are wide enough to be shared.
    for (const char* name : {"demogame.dat", "brenno88.dat", "brenno118.dat"}) {
        CZembrikDoc doc;
        doc.boardPath = std::string(VORTAN_SOURCE_DIR) + "/data/" + name;
        ASSERT_EQ(doc.openRun(), LoadResult::Loaded) << name;
        SolveOptions one, two;
        one.threads = 1;
        two.threads = 2;
        const SolveResult a = SolveDocument(doc, one), c = SolveDocument(doc, two);
        ASSERT_EQ(a.status, SolveStatus::Won) << name;
        EXPECT_EQ(c.status, SolveStatus::Won) << name;
        EXPECT_EQ(a.length, c.length) << name;
        // A share of a layer left out would still find a win, often as short.
        EXPECT_EQ(a.states, c.states) << name;
    }
}

// (Hints along the shipped boards' kept lines are checked with the catalogue,
// and none once a game has ended with the board tool's hint command.)
TEST(SolverSearch, StartsFromTheGamesOwnCounts) {
    // A stored Star count of 2 with one Star on the board cannot be won.
    CZembrikDoc doc = LoadedDocument(drawn({"#S#", "#Y#"}));
    doc.starBoxCount = 2;
    EXPECT_EQ(SolveDocument(doc).status, SolveStatus::NoWin);
}
