// The board tool's commands as a script calls them, in-process: new, info,
// play, generate, solve and hint, with their exit codes and their answers to
// bad input.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "board/board_file.h"
#include "board_tool.h"
#include "tests/support/search_boards.h"
#include "tests/support/test_folder.h"

using namespace vortan;
using namespace vortan::test;
using vortan::testing::slurp;
using ::testing::HasSubstr;

namespace {

struct ToolRun {
    int code;
    std::string out, err;
};

ToolRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = boardToolMain(args, out, err);
    return {code, out.str(), err.str()};
}

// A path in the test's own home folder.
std::string toolPath(const std::string& name) {
    return (vortan::testing::testFolder("board-tool", false) / name).string();
}

std::string savedBoard(const std::string& name, BoardDefinition b) {
    const std::string p = toolPath(name);
    EXPECT_TRUE(WriteBoardFile(p, b)) << p;
    return p;
}

// A board breaking every invariant `info` names.
std::string brokenBoardFile() {
    BoardDefinition b;
    b.gameName = "Caf\xE9 \"quoted\"";
    b.Cell(3, 3) = {RegionCode::Yellow, BoxCode::Star, 0};
    b.Cell(4, 3) = {RegionCode::Yellow, BoxCode::Number, 1};
    b.Cell(0, 5) = {RegionCode::White, BoxCode::Empty, 0};      // border not Blue
    b.Cell(4, 4) = {RegionCode::Green, BoxCode::Free, 0};       // box its region may not hold
    b.Cell(5, 5).box = BoxCode::Your;
    b.Cell(6, 6).box = BoxCode::Your;                            // two Your boxes
    b.Cell(7, 7) = {RegionCode::White, BoxCode::Number, 3};
    b.Cell(8, 8) = {RegionCode::White, BoxCode::Number, 3};      // repeated number
    b.Cell(9, 9) = {RegionCode::White, BoxCode::Number, 12};     // out of range
    b.Cell(10, 10) = {RegionCode::White, BoxCode::Empty, 4};     // number without a Number box
    b.Cell(11, 11) = {static_cast<RegionCode>(8), BoxCode::Empty, 0};
    b.boardWidth = 21;
    std::string bytes = EncodeBoard(b);
    // numberBoxCount, the last value before the cells, differs from the cells.
    bytes[bytes.size() - 6 * kCellCount - 2] = 9;
    const std::string p = toolPath("bad.dat");
    vortan::testing::spit(p, bytes);
    return p;
}

}  // namespace

// The new board's file, as `new` writes it, and two damaged copies; boards
// for the search with a win, with none and with too many positions.
TEST(BoardTool, EveryCommandAnswersAndRefusesBadArgumentsAndFiles) {
    const std::string good = toolPath("new.dat");
    EXPECT_EQ(runTool({"new", good}).code, 0);
    std::string bytes = slurp(good);
    BoardDefinition fresh;
    EXPECT_EQ(bytes, EncodeBoard(fresh));
    const std::string shortFile = toolPath("short.dat"), wrong = toolPath("wrong.dat");
    vortan::testing::spit(shortFile, bytes.substr(0, 100));
    bytes[1] = 'v';
    vortan::testing::spit(wrong, bytes);
    BoardDefinition starAbove;
    starAbove.Cell(10, 8).region = RegionCode::Blue;
    starAbove.Cell(10, 9) = {RegionCode::Yellow, BoxCode::Star, 0};
    starAbove.Cell(10, 10) = {RegionCode::Yellow, BoxCode::Your, 0};
    const std::string play = savedBoard("play.dat", starAbove);
    const std::string walk = savedBoard("walk.dat", drawn({"..S..", ".....", ".....", "..Y.."}));
    const std::string white = savedBoard("white.dat", whitened(drawn({"..S..", ".....", "..Y.."})));
    const std::string busy = savedBoard("busy.dat", busyBoard());
    const std::string x = toolPath("x.dat");
    const struct {
        std::vector<std::string> args;
        int code;
        std::vector<const char*> says;  // a refusal on stderr, the rest on either stream
    } cases[] = {
        // The name as JSON, the counts of the cells, row 3 as the board
        // drawing writes it, and every problem.
        {{"info", brokenBoardFile()}, 0, {"\"gameName\":\"Caf\xC3\xA9 \\\"quoted\\\"\"", "\"stars\":1,\"numbers\":4,",
                                          "\"#,,S1,,,,,,,,,,,,,,,,#\"", "Border Cell (0, 5)",
                                          "Cell (4, 4): a Green cell may not hold a Free box", "2 Your boxes",
                                          "Number 3 is carried by 2", "Cell (9, 9) holds a Number box carrying 12",
                                          "Cell (10, 10) carries number 4", "numberBoxCount is 9", "boardWidth is 21",
                                          "region code 8"}},
        {{"play", play, "T"}, 0, {"\"state\":\"Playing\",\"outcome\":\"Undecided\"", "\"timeLeft\":149"}},
        {{"play", play, "UTTT"}, 0, {"\"state\":\"GameOver\",\"outcome\":\"Won\"", "\"endTicks\":3",
                                     "\"sounds\":[\"ESTAR\",\"GEWON\"]"}},
        {{"solve", walk}, 0, {"UTUTUT\nwon in 3 moves"}},
        {{"solve", walk, "--budget", "512M", "--threads", "1"}, 0, {"won in 3 moves"}},
        {{"solve", walk, "--budget", "1g"}, 0, {"won in 3 moves"}},
        {{"solve", white}, 3, {"no win found"}},
        {{"solve", busy, "--budget", "64K"}, 3, {"the memory budget of 64 KiB was reached"}},
        {{"hint", walk, "UT"}, 0, {"Up: a win in 2 moves.\n"}},
        {{"hint", walk, "UTUTUT"}, 3, {"the game is over: Won\n"}},
        {{"hint", savedBoard("hot.dat", drawn({"#S#", "#Y#", "#H#"})), "DT"}, 3, {"the game is over: Lost\n"}},
        {{"hint", white, "UT"}, 3, {"No winning line from here.\n"}},
        {{}, 2, {"usage"}},
        {{"frobnicate", "x"}, 2, {"usage"}},
        {{"info"}, 2, {"usage"}},
        {{"play", good, "UX"}, 2, {"usage"}},
        {{"info", toolPath("missing.dat")}, 1, {"missing.dat"}},
        {{"info", shortFile}, 1, {"ends early"}},
        {{"info", wrong}, 1, {"wrong.dat"}},
        {{"generate", "--difficulty", "Easy", x}, 2, {"usage"}},
        {{"generate", "--difficulty", "Tricky", "--seed", "1", x}, 2, {"usage"}},
        {{"generate", "--difficulty", "Easy", "--seed", "-1", x}, 2, {"usage"}},
        {{"generate", "--difficulty", "Easy", "--seed", "2147483648", x}, 2, {"usage"}},
        {{"generate", "--difficulty", "Easy", "--seed", "1"}, 2, {"usage"}},
        {{"generate", "--id", "Q-2000-01A5", x}, 2, {"not a board ID"}},
        {{"solve"}, 2, {"usage"}},
        {{"solve", walk, "--budget"}, 2, {"usage"}},
        {{"solve", walk, "--threads", "0"}, 2, {"usage"}},
        {{"solve", walk, "--fast"}, 2, {"usage"}},
        {{"solve", walk + ".missing"}, 1, {"cannot open"}},
        {{"solve", savedBoard("two.dat", drawn({"Y.S.Y"}))}, 1, {"2 Your boxes; the search takes at most one"}},
        {{"hint", walk}, 2, {"usage"}},
        {{"hint", walk + ".missing", "U"}, 1, {"cannot open"}},
    };
    for (const auto& c : cases) {
        const ToolRun r = runTool(c.args);
        EXPECT_EQ(r.code, c.code) << ::testing::PrintToString(c.args);
        for (const char* part : c.says)
            EXPECT_THAT(c.code == 1 || c.code == 2 ? r.err : r.out + r.err, HasSubstr(part))
                << ::testing::PrintToString(c.args);
    }
    EXPECT_FALSE(std::filesystem::exists(x));
    for (const char* bad : {"0", "-5", "12x", "", "2T", "1K", "3000G"})
        EXPECT_EQ(runTool({"solve", walk, "--budget", bad}).code, 2) << bad;
    // Without --budget the budget comes from the environment.
    setenv("VORTAN_SOLVE_BUDGET", "64K", 1);
    const ToolRun small = runTool({"solve", busy});
    setenv("VORTAN_SOLVE_BUDGET", "lots", 1);
    const ToolRun bad = runTool({"solve", busy});
    unsetenv("VORTAN_SOLVE_BUDGET");
    EXPECT_EQ(small.code, 3);
    EXPECT_THAT(small.out, HasSubstr("the memory budget of 64 KiB was reached"));
    EXPECT_EQ(bad.code, 2);
    EXPECT_THAT(bad.err, HasSubstr("not 'lots'"));
}

TEST(BoardTool, GenerateWritesTheGamesRandomBoardAndItsIdRebuildsIt) {
    const ToolRun made = runTool({"generate", "--difficulty", "Medium", "--seed", "7", toolPath("m7.dat")});
    ASSERT_EQ(made.code, 0) << made.err;
    const std::string id = made.out.substr(0, made.out.find(' '));
    EXPECT_EQ(id[0], 'M');
    EXPECT_THAT(made.err, HasSubstr("won in " + made.out.substr(made.out.find(' ') + 1, 2)));
    EXPECT_EQ(runTool({"generate", "--id", id, toolPath("again.dat")}).out, made.out);
    EXPECT_EQ(slurp(toolPath("again.dat")), slurp(toolPath("m7.dat")));
    EXPECT_THAT(runTool({"info", toolPath("m7.dat")}).out, HasSubstr("\"problems\":[]"));
    EXPECT_EQ(runTool({"generate", "--difficulty", "Hard", "--id", id, toolPath("x.dat")}).code, 2);
}
