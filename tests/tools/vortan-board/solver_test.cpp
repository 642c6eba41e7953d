#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

#include "board/board_file.h"
#include "board_tool.h"
#include "solver.h"

using namespace vortan;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

// A board drawn in characters from cell (1, 1); the rest of the inside is
// wall. '#' Blue, '.' Yellow, ',' White, 'r' Red, 'g' Green, 'o' Orange;
// boxes stand on Yellow: Y Your, S Star, 1-9 Number, F Free, H Hot,
// Z Freeze, T Time, M Move; E Exception on Green.
BoardDefinition drawn(const std::vector<std::string>& rows) {
    BoardDefinition b;
    for (int y = 1; y < kGridSize - 1; ++y)
        for (int x = 1; x < kGridSize - 1; ++x) b.Cell(x, y) = {RegionCode::Blue, BoxCode::Empty, 0};
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            BoardCell& cell = b.Cell(static_cast<int>(c) + 1, static_cast<int>(r) + 1);
            const char ch = rows[r][c];
            cell = {RegionCode::Yellow, BoxCode::Empty, 0};
            switch (ch) {
            case '#': cell.region = RegionCode::Blue; break;
            case ',': cell.region = RegionCode::White; break;
            case 'r': cell.region = RegionCode::Red; break;
            case 'g': cell.region = RegionCode::Green; break;
            case 'o': cell.region = RegionCode::Orange; break;
            case 'Y': cell.box = BoxCode::Your; break;
            case 'S': cell.box = BoxCode::Star; break;
            case 'F': cell.box = BoxCode::Free; break;
            case 'H': cell.box = BoxCode::Hot; break;
            case 'Z': cell.box = BoxCode::Freeze; break;
            case 'T': cell.box = BoxCode::Time; break;
            case 'M': cell.box = BoxCode::Move; break;
            case 'E': cell = {RegionCode::Green, BoxCode::Exception, 0}; break;
            default:
                if (ch >= '1' && ch <= '9') cell = {RegionCode::Yellow, BoxCode::Number, std::uint32_t(ch - '0')};
            }
        }
    // Generous limits unless a test sets its own.
    b.timeLimit = 600;
    b.moveLimit = 600;
    b.numberBoxTimeLimit = 0;
    b.starBoxTimeLimit = 0;
    b.numberOfLives = 1;
    b.RecountBoxes();
    return b;
}

// The same board with every Yellow cell White: nothing can be taken there.
BoardDefinition whitened(BoardDefinition b) {
    for (auto& column : b.cells)
        for (BoardCell& c : column)
            if (c.region == RegionCode::Yellow) c.region = RegionCode::White;
    return b;
}

// Shortest winning length by trying every sequence through the real rules.
int exhaustiveShortest(const BoardDefinition& b, int maxDepth) {
    const CZembrikDoc doc = LoadedDocument(b);
    std::vector<std::string> level{""};
    for (int depth = 1; depth <= maxDepth; ++depth) {
        std::vector<std::string> deeper;
        for (const std::string& line : level)
            for (const char* m : {"UT", "DT", "LT", "RT"}) {
                const std::string longer = line + m;
                const ReplayResult r = ReplayMoves(doc, longer);
                if (r.won()) return depth;
                if (r.doc.gameState() == GameState::Playing) deeper.push_back(longer);
            }
        level.swap(deeper);
    }
    return -1;
}

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

TEST(SolverShortest, AgreesWithAnExhaustiveSearchOnSmallRandomBoards) {
    std::mt19937 rng(7);
    const char pieces[] = "....,.....#SSFF";
    int compared = 0;
    for (int round = 0; round < 30; ++round) {
        std::vector<std::string> rows(4, std::string(5, '.'));
        for (auto& row : rows)
            for (char& c : row) c = pieces[rng() % (sizeof pieces - 1)];
        rows[rng() % 4][rng() % 5] = '1';
        rows[rng() % 4][rng() % 5] = 'Y';
        const BoardDefinition b = drawn(rows);
        if (b.CountBoxes(BoxCode::Star) + b.CountBoxes(BoxCode::Number) == 0) continue;
        const int expected = exhaustiveShortest(b, 6);
        const SolveResult r = SolveBoard(b);
        if (expected > 0) {
            ASSERT_EQ(r.status, SolveStatus::Won) << round;
            EXPECT_EQ(r.length, expected) << round;
            ++compared;
        } else if (r.status == SolveStatus::Won) {
            EXPECT_GT(r.length, 6) << round;
        }
        if (r.status == SolveStatus::Won) {
            EXPECT_TRUE(ReplayMoves(LoadedDocument(b), r.moves).won()) << round;
        }
    }
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

TEST(SolverSearch, StopsAtTheBudget) {
    BoardDefinition b = whitened(drawn({"..........", ".F..F..F..", "...S.....F", ".F....Y...", "....F....."}));
    SolveOptions small;
    small.budget = 50;
    const SolveResult r = SolveBoard(b, small);
    EXPECT_EQ(r.status, SolveStatus::BudgetHit);
    EXPECT_EQ(r.states, 50u);
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
    EXPECT_THAT(r.out, HasSubstr("states searched"));
    const std::string q =
        boardFile("busy.dat", whitened(drawn({"..........", ".F..F..F..", "...S.....F", ".F....Y...", "....F....."})));
    r = tool({"solve", q, "--budget", "20"});
    EXPECT_EQ(r.code, 3);
    EXPECT_THAT(r.out, HasSubstr("budget of 20 states hit"));
}

TEST(SolveCommand, RefusesBadArgumentsAndFiles) {
    const std::string p = boardFile("ok.dat", drawn({"#S#", "#Y#"}));
    EXPECT_EQ(tool({"solve"}).code, 2);
    EXPECT_EQ(tool({"solve", p, "--budget"}).code, 2);
    EXPECT_EQ(tool({"solve", p, "--budget", "0"}).code, 2);
    EXPECT_EQ(tool({"solve", p, "--budget", "-5"}).code, 2);
    EXPECT_EQ(tool({"solve", p, "--budget", "12x"}).code, 2);
    EXPECT_EQ(tool({"solve", p, "--fast"}).code, 2);
    const ToolRun missing = tool({"solve", p + ".missing"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_THAT(missing.err, HasSubstr("cannot open"));
    BoardDefinition odd = drawn({"#S#", "#Y#"});
    odd.Cell(5, 5).box = static_cast<BoxCode>(40);
    const ToolRun unusable = tool({"solve", boardFile("odd.dat", odd)});
    EXPECT_EQ(unusable.code, 1);
    EXPECT_THAT(unusable.err, HasSubstr("cannot solve"));
}
