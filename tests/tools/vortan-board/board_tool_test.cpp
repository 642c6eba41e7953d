// The board tool's commands as a script calls them: new, info, play and
// generate, with their exit codes and their answers to bad input.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/board_tool_run.h"

using namespace vortan;
using namespace vortan::test;
using vortan::testing::slurp;
using ::testing::HasSubstr;

TEST(BoardTool, InfoPrintsValuesCountsTheDrawingAndEveryBrokenInvariant) {
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
    const ToolRun r = runTool({"info", p});
    EXPECT_EQ(r.code, 0);
    // The name as JSON, the counts of the cells, row 3 as the board drawing
    // writes it, and every problem.
    for (const char* part : {"\"gameName\":\"Caf\xC3\xA9 \\\"quoted\\\"\"", "\"stars\":1,\"numbers\":4,",
                             "\"#,,S1,,,,,,,,,,,,,,,,#\"", "Border Cell (0, 5)",
                             "Cell (4, 4): a Green cell may not hold a Free box", "2 Your boxes",
                             "Number 3 is carried by 2", "Cell (9, 9) holds a Number box carrying 12",
                             "Cell (10, 10) carries number 4", "numberBoxCount is 9", "boardWidth is 21",
                             "region code 8"})
        EXPECT_THAT(r.out, HasSubstr(part));
}

TEST(BoardTool, PlayReportsTheGameAfterTheMoves) {
    BoardDefinition b;
    b.Cell(10, 8).region = RegionCode::Blue;
    b.Cell(10, 9) = {RegionCode::Yellow, BoxCode::Star, 0};
    b.Cell(10, 10) = {RegionCode::Yellow, BoxCode::Your, 0};
    const std::string p = savedBoard("play.dat", b);
    ToolRun r = runTool({"play", p, "T"});
    EXPECT_EQ(r.code, 0);
    EXPECT_THAT(r.out, HasSubstr("\"state\":\"Playing\",\"outcome\":\"Undecided\""));
    EXPECT_THAT(r.out, HasSubstr("\"timeLeft\":149"));
    r = runTool({"play", p, "UTTT"});
    EXPECT_THAT(r.out, HasSubstr("\"state\":\"GameOver\",\"outcome\":\"Won\""));
    EXPECT_THAT(r.out, HasSubstr("\"endTicks\":3"));
    EXPECT_THAT(r.out, HasSubstr("\"sounds\":[\"ESTAR\",\"GEWON\"]"));
}

// The new board's file, as `new` writes it, and two damaged copies.
TEST(BoardTool, NewWritesTheNewBoardAndEveryCommandRefusesBadArgumentsAndFiles) {
    const std::string good = toolPath("new.dat");
    EXPECT_EQ(runTool({"new", good}).code, 0);
    std::string bytes = slurp(good);
    BoardDefinition fresh;
    EXPECT_EQ(bytes, EncodeBoard(fresh));
    const std::string shortFile = toolPath("short.dat"), wrong = toolPath("wrong.dat");
    vortan::testing::spit(shortFile, bytes.substr(0, 100));
    bytes[1] = 'v';
    vortan::testing::spit(wrong, bytes);
    const std::string x = toolPath("x.dat");
    const struct {
        std::vector<std::string> args;
        int code;
        const char* says;
    } cases[] = {
        {{}, 2, "usage"},
        {{"frobnicate", "x"}, 2, "usage"},
        {{"info"}, 2, "usage"},
        {{"play", good, "UX"}, 2, "usage"},
        {{"info", toolPath("missing.dat")}, 1, "missing.dat"},
        {{"info", shortFile}, 1, "ends early"},
        {{"info", wrong}, 1, "wrong.dat"},
        {{"play", wrong, "U"}, 1, "wrong.dat"},
        {{"generate", "--difficulty", "Easy", x}, 2, "usage"},
        {{"generate", "--difficulty", "Tricky", "--seed", "1", x}, 2, "usage"},
        {{"generate", "--difficulty", "Easy", "--seed", "-1", x}, 2, "usage"},
        {{"generate", "--difficulty", "Easy", "--seed", "2147483648", x}, 2, "usage"},
        {{"generate", "--difficulty", "Easy", "--seed", "1"}, 2, "usage"},
        {{"generate", "--id", "Q-2000-01A5", x}, 2, "not a board ID"},
    };
    for (const auto& c : cases) {
        const ToolRun r = runTool(c.args);
        EXPECT_EQ(r.code, c.code) << ::testing::PrintToString(c.args);
        EXPECT_THAT(r.err, HasSubstr(c.says)) << ::testing::PrintToString(c.args);
    }
    EXPECT_FALSE(std::filesystem::exists(x));
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
