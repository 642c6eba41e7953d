#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

#include "board/board_file.h"
#include "board_tool.h"
#include "solver.h"
#include "tests/support/search_boards.h"

using namespace vortan;
using namespace vortan::test;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

std::string boardFile(const std::string& name, BoardDefinition b) {
    const char* home = std::getenv("VORTAN_HOME");
    fs::path dir = fs::path(home ? home : fs::temp_directory_path().string()) / "solver";
    fs::create_directories(dir);
    const std::string p = (dir / name).string();
    EXPECT_TRUE(WriteBoardFile(p, b));
    return p;
}

struct ToolRun {
    int code;
    std::string out, err;
};
ToolRun tool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = boardToolMain(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace

TEST(SolverShortest, StarAgainstAWallIsTakenInOneMove) {
    const SolveResult r = SolveBoard(drawn({"#S#", "#Y#", "#.#"}));
    ASSERT_EQ(r.status, SolveStatus::Won);
    EXPECT_EQ(r.moves, "UT");
    EXPECT_EQ(r.length, 1);
}

TEST(SolverShortest, WalksToAStarThatCannotMoveAway) {
    // The Star sits in the top row; Your box climbs three cells to take it.
    const SolveResult r = SolveBoard(drawn({"..S..", ".....", ".....", "..Y.."}));
    ASSERT_EQ(r.status, SolveStatus::Won);
    EXPECT_EQ(r.moves, "UTUTUT");
}

TEST(SolverShortest, TakesNumberBoxesInAscendingOrder) {
    // Number 2 is beside Your box, but Number 1 must be taken first, and
    // only once the wall holds it.
    const BoardDefinition b = drawn({"2Y..1"});
    const SolveResult r = SolveBoard(b);
    ASSERT_EQ(r.status, SolveStatus::Won);
    EXPECT_EQ(r.length, exhaustiveShortest(b, 8));
    EXPECT_EQ(r.moves.substr(0, 2), "RT");
    EXPECT_TRUE(ReplayMoves(LoadedDocument(b), r.moves).won());
}

// Compares the search with every line of play through the real rules.
void expectAgreement(const BoardDefinition& b, int depth, int round, int& compared) {
    const CZembrikDoc doc = LoadedDocument(b);
    const int expected = exhaustiveShortest(doc, depth);
    const SolveResult r = SolveDocument(doc);
    if (expected > 0) {
        ASSERT_EQ(r.status, SolveStatus::Won) << round;
        EXPECT_EQ(r.length, expected) << round;
        ++compared;
    } else if (r.status == SolveStatus::Won) {
        EXPECT_GT(r.length, depth) << round;
    } else {
        EXPECT_EQ(r.status, SolveStatus::NoWin) << round;
    }
    if (r.status == SolveStatus::Won) {
        EXPECT_TRUE(ReplayMoves(doc, r.moves).won()) << round;
    }
}

TEST(SolverShortest, AgreesWithAnExhaustiveSearchOnSmallRandomBoards) {
    std::mt19937 rng(7);
    int compared = 0;
    for (int round = 0; round < 30; ++round)
        expectAgreement(randomRoom(rng, 4, 5, "....,.....#SSFF", false), 6, round, compared);
    EXPECT_GT(compared, 10);
}

TEST(SolverShortest, AgreesWithAnExhaustiveSearchUnderClocksLivesAndSpecialBoxes) {
    // Red cells, Hot, Freeze, Time and Move boxes, Green and Orange, small
    // move limits, clocks and lives: every rule that can end or lengthen a game.
    std::mt19937 rng(11);
    int compared = 0;
    for (int round = 0; round < 120; ++round)
        expectAgreement(randomRoom(rng, 4, 5, ".........,#rrSFHZTMEfgos", true), 6, round, compared);
    EXPECT_GT(compared, 10);
}

TEST(SolverLimits, AvoidsAHotBoxWithOneLifeButNotWithTwo) {
    // Straight up through the Hot box is shortest; around it costs more.
    BoardDefinition b = drawn({"S..", "H#.", "Y.."});
    b.numberOfLives = 2;
    const SolveResult spare = SolveBoard(b);
    ASSERT_EQ(spare.status, SolveStatus::Won);
    EXPECT_EQ(spare.length, 2);
    b.numberOfLives = 1;
    const SolveResult careful = SolveBoard(b);
    ASSERT_EQ(careful.status, SolveStatus::Won);
    EXPECT_GT(careful.length, 2);
    EXPECT_EQ(careful.length, exhaustiveShortest(b, 8));
    EXPECT_TRUE(ReplayMoves(LoadedDocument(b), careful.moves).won());
    EXPECT_FALSE(ReplayMoves(LoadedDocument(b), spare.moves).won());
}

TEST(SolverLimits, AMoveLimitEqualToTheLengthLoses) {
    BoardDefinition b = drawn({"..S..", ".....", ".....", "..Y.."});
    b.moveLimit = 3;  // the third move uses the last one: lost
    EXPECT_EQ(SolveBoard(b).status, SolveStatus::NoWin);
    b.moveLimit = 4;
    EXPECT_EQ(SolveBoard(b).moves, "UTUTUT");
}

TEST(SolverLimits, AMoveBoxBuysTheMovesOfALongerWay) {
    // The Star needs seven moves; with five allowed, the Move box must be
    // taken within the first four.
    BoardDefinition b = drawn({"S....", ".....", ".....", ".....", "..MY."});
    b.moveLimit = 5;
    b.moveBoxMoveValue = 10;
    const SolveResult r = SolveBoard(b);
    ASSERT_EQ(r.status, SolveStatus::Won);
    EXPECT_EQ(r.length, 7);
    EXPECT_TRUE(ReplayMoves(LoadedDocument(b), r.moves).won());
    // Up first reaches the Move box only with the sixth move: too late.
    EXPECT_FALSE(ReplayMoves(LoadedDocument(b), "UTUTUTUTLTLTLT").won());
    b.moveBoxMoveValue = 0;
    EXPECT_EQ(SolveBoard(b).status, SolveStatus::NoWin);
}

TEST(SolverLimits, AStarTimeLimitForcesTheTimeBoxOnTheWay) {
    // Four moves reach the Star; its countdown of 3 runs out on the third
    // tick unless the Time box beside Your box is taken on the way.
    BoardDefinition b = drawn({"S....", ".....", ".....", "TY..."});
    b.starBoxTimeLimit = 3;
    b.timeBoxTimeValue = 5;
    const SolveResult r = SolveBoard(b);
    ASSERT_EQ(r.status, SolveStatus::Won);
    EXPECT_EQ(r.length, 4);
    EXPECT_NE(r.moves.find('L'), std::string::npos);
    EXPECT_FALSE(ReplayMoves(LoadedDocument(b), "UTUTUTLT").won());
    b.timeBoxTimeValue = 0;
    EXPECT_EQ(SolveBoard(b).status, SolveStatus::NoWin);
}

TEST(SolverLimits, RedCellsAndFreezeBoxesNeverCostALife) {
    for (const auto& rows : std::vector<std::vector<std::string>>{
             {"#S#.", "#r#.", "#Y..", "#..."}, {"S#.", "Z..", "Y.."}, {".S.", "rr.", "Y.."}}) {
        BoardDefinition b = drawn(rows);
        b.numberOfLives = 3;
        const int expected = exhaustiveShortest(b, 8);
        const SolveResult r = SolveBoard(b);
        if (expected > 0) {
            ASSERT_EQ(r.status, SolveStatus::Won) << rows[0];
            EXPECT_EQ(r.length, expected) << rows[0];
            const ReplayResult replay = ReplayMoves(LoadedDocument(b), r.moves);
            EXPECT_TRUE(replay.won());
            EXPECT_EQ(replay.doc.numberOfLives, 3);
        } else {
            EXPECT_TRUE(r.status != SolveStatus::Won || r.length > 8) << rows[0];
        }
    }
}

TEST(SolverSearch, ReportsABoardThatCannotBeWon) {
    // On White a Star box can never be taken.
    const SolveResult r = SolveBoard(whitened(drawn({"..S..", ".....", "..Y.."})));
    EXPECT_EQ(r.status, SolveStatus::NoWin);
    EXPECT_GT(r.states, 1u);
    EXPECT_TRUE(r.moves.empty());
}

TEST(SolverSearch, StopsAtTheMemoryBudgetAndSaysSo) {
    BoardDefinition b = whitened(drawn({"..........", ".F..F..F..", "...S.....F", ".F....Y...", "....F....."}));
    b.timeLimit = b.moveLimit = 0;
    SolveOptions small;
    small.memoryBudget = 64 * 1024;
    const SolveResult r = SolveBoard(b, small);
    EXPECT_EQ(r.status, SolveStatus::BudgetHit);
    EXPECT_THAT(r.error, HasSubstr("memory budget"));
    EXPECT_LE(r.peakBytes, small.memoryBudget);
    SolveOptions capped;
    capped.budget = 50;
    const SolveResult c = SolveBoard(b, capped);
    EXPECT_EQ(c.status, SolveStatus::BudgetHit);
    EXPECT_GE(c.states, 50u);
}

TEST(SolverSearch, ARaisedCancelFlagStopsTheSearch) {
    std::atomic<bool> cancel{true};
    SolveOptions o;
    o.cancel = &cancel;
    EXPECT_EQ(SolveBoard(drawn({"..S..", ".....", "..Y.."}), o).status, SolveStatus::Cancelled);
}

TEST(SolverSearch, TwoThreadsFindWinsOfTheSameLength) {
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
        EXPECT_TRUE(ReplayMoves(doc, c.moves).won()) << name;
    }
}

TEST(SolverSearch, RefusesBoardsItCannotStandFor) {
    BoardDefinition b = drawn({"Y.S.Y"});
    const SolveResult r = SolveBoard(b);
    EXPECT_EQ(r.status, SolveStatus::Unusable);
    EXPECT_THAT(r.error, HasSubstr("2 Your boxes"));
}

TEST(SolverSearch, ABoardWithoutStarsOrNumbersIsWonByTheFirstMove) {
    const SolveResult r = SolveBoard(drawn({"Y.."}));
    ASSERT_EQ(r.status, SolveStatus::Won);
    EXPECT_EQ(r.length, 1);
}

TEST(SolverSearch, StoredCountsAreTheGamesCounts) {
    // A stored Star count of 2 with one Star on the board cannot be won.
    BoardDefinition b = drawn({"#S#", "#Y#"});
    std::string bytes = EncodeBoard(b);
    bytes[25 + 2 * 11] = 2;  // starBoxCount
    std::istringstream in(bytes);
    CZembrikDoc doc;
    doc.loadBoardStream(in);
    EXPECT_EQ(SolveDocument(doc).status, SolveStatus::NoWin);
}

TEST(SolveCommand, PrintsALineThatPlayWins) {
    const std::string p = boardFile("walk.dat", drawn({"..S..", ".....", ".....", "..Y.."}));
    const ToolRun r = tool({"solve", p});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "UTUTUT\n");
    EXPECT_THAT(r.err, HasSubstr("won in 3 moves"));
    const ToolRun played = tool({"play", p, "UTUTUT"});
    EXPECT_THAT(played.out, HasSubstr("\"state\":\"GameOver\",\"outcome\":\"Won\""));
}

TEST(SolveCommand, SaysWhenNoWinWasFound) {
    const std::string p = boardFile("white.dat", whitened(drawn({"..S..", ".....", "..Y.."})));
    ToolRun r = tool({"solve", p});
    EXPECT_EQ(r.code, 3);
    EXPECT_THAT(r.out, HasSubstr("no win found"));
    EXPECT_THAT(r.out, HasSubstr("positions searched, none left"));
    BoardDefinition busy = whitened(drawn({"..........", ".F..F..F..", "...S.....F", ".F....Y...", "....F....."}));
    busy.timeLimit = busy.moveLimit = 0;
    const std::string q = boardFile("busy.dat", busy);
    r = tool({"solve", q, "--budget", "64K"});
    EXPECT_EQ(r.code, 3);
    EXPECT_THAT(r.out, HasSubstr("the memory budget of 64 KiB was reached"));
}

TEST(SolveCommand, TakesItsDefaultBudgetFromTheEnvironment) {
    BoardDefinition busy = whitened(drawn({"..........", ".F..F..F..", "...S.....F", ".F....Y...", "....F....."}));
    busy.timeLimit = busy.moveLimit = 0;
    const std::string q = boardFile("busy-env.dat", busy);
    setenv("VORTAN_SOLVE_BUDGET", "64K", 1);
    const ToolRun small = tool({"solve", q});
    setenv("VORTAN_SOLVE_BUDGET", "lots", 1);
    const ToolRun bad = tool({"solve", q});
    unsetenv("VORTAN_SOLVE_BUDGET");
    EXPECT_EQ(small.code, 3);
    EXPECT_THAT(small.out, HasSubstr("the memory budget of 64 KiB was reached"));
    EXPECT_EQ(bad.code, 2);
    EXPECT_THAT(bad.err, HasSubstr("not 'lots'"));
}

TEST(SolveCommand, RefusesBadArgumentsAndFiles) {
    const std::string p = boardFile("ok.dat", drawn({"#S#", "#Y#"}));
    EXPECT_EQ(tool({"solve"}).code, 2);
    for (const char* bad : {"0", "-5", "12x", "", "2T", "1K", "3000G"})
        EXPECT_EQ(tool({"solve", p, "--budget", bad}).code, 2) << bad;
    EXPECT_EQ(tool({"solve", p, "--budget"}).code, 2);
    EXPECT_EQ(tool({"solve", p, "--threads", "0"}).code, 2);
    EXPECT_EQ(tool({"solve", p, "--fast"}).code, 2);
    EXPECT_EQ(tool({"solve", p, "--budget", "512M", "--threads", "1"}).code, 0);
    EXPECT_EQ(tool({"solve", p, "--budget", "1g"}).code, 0);
    const ToolRun missing = tool({"solve", p + ".missing"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_THAT(missing.err, HasSubstr("cannot open"));
    const ToolRun unusable = tool({"solve", boardFile("two.dat", drawn({"Y.S.Y"}))});
    EXPECT_EQ(unusable.code, 1);
    EXPECT_THAT(unusable.err, HasSubstr("cannot solve"));
    EXPECT_THAT(unusable.err, HasSubstr("2 Your boxes"));
}

TEST(HintCommand, PrintsTheFirstMoveOfAShortestWinAfterTheMovesPlayed) {
    const std::string p = boardFile("hint.dat", drawn({"S....", ".....", "..Y.."}));
    ToolRun r = tool({"hint", p, ""});
    EXPECT_EQ(r.code, 0);
    EXPECT_THAT(r.out, HasSubstr("a win in 4 moves"));
    // Two moves right take the Star along the top wall; it is then quickest
    // to slide it into the other corner (Up or Right first, both shortest).
    r = tool({"hint", p, "RTRT"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out == "Up: a win in 4 moves.\n" || r.out == "Right: a win in 4 moves.\n") << r.out;
    r = tool({"hint", p, "LTLTUTUT"});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.out, "the game is over: Won\n");
}

TEST(HintCommand, SaysWhenNoWinRemainsAndRefusesBadMoves) {
    const std::string p = boardFile("hint-white.dat", whitened(drawn({"..S..", "..Y.."})));
    ToolRun r = tool({"hint", p, "UT"});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.out, "No winning line from here.\n");
    EXPECT_EQ(tool({"hint", p, "UX"}).code, 2);
    EXPECT_EQ(tool({"hint", p}).code, 2);
    EXPECT_EQ(tool({"hint", p, "U", "--budget", "nope"}).code, 2);
    EXPECT_EQ(tool({"hint", p + ".missing", "U"}).code, 1);
}
