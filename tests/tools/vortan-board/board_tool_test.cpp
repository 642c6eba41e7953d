// The board tool's commands as a script calls them: new, info, play and
// generate, with their exit codes and their answers to bad input.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "board/board_file.h"
#include "board/file_io.h"
#include "board_tool.h"

using namespace vortan;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {
struct ToolRun {
    int code;
    std::string out, err;
};

ToolRun run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = boardToolMain(args, out, err);
    return {code, out.str(), err.str()};
}

std::string path(const std::string& name) {
    const char* home = std::getenv("VORTAN_HOME");
    fs::path dir = fs::path(home ? home : fs::temp_directory_path().string()) / "tool";
    fs::create_directories(dir);
    return (dir / name).string();
}

std::string save(const std::string& name, BoardDefinition b) {
    const std::string p = path(name);
    EXPECT_TRUE(WriteBoardFile(p, b));
    return p;
}
}  // namespace

TEST(BoardTool, NewWritesTheNewBoardFile) {
    const std::string p = path("new.dat");
    EXPECT_EQ(run({"new", p}).code, 0);
    std::string bytes;
    ASSERT_TRUE(readFileBytes(p, bytes));
    BoardDefinition fresh;
    EXPECT_EQ(bytes, EncodeBoard(fresh));
    EXPECT_THAT(run({"info", p}).out, HasSubstr("\"problems\":[]"));
}

TEST(BoardTool, InfoPrintsValuesCountsAndNoProblemsForAGoodBoard) {
    BoardDefinition b;
    b.gameName = "Caf\xE9 \"quoted\"";
    b.Cell(3, 3) = {RegionCode::Yellow, BoxCode::Star, 0};
    b.Cell(4, 3) = {RegionCode::Yellow, BoxCode::Number, 1};
    const ToolRun r = run({"info", save("good.dat", b)});
    EXPECT_EQ(r.code, 0);
    EXPECT_THAT(r.out, HasSubstr("\"gameName\":\"Caf\xC3\xA9 \\\"quoted\\\"\""));
    EXPECT_THAT(r.out, HasSubstr("\"stars\":1,\"numbers\":1,"));
    EXPECT_THAT(r.out, HasSubstr("\"problems\":[]"));
    // The cells as the board drawing writes them, row 3 with its two boxes.
    EXPECT_THAT(r.out, HasSubstr("\"#,,S1,,,,,,,,,,,,,,,,#\""));
}

TEST(BoardTool, InfoNamesEveryBrokenInvariant) {
    BoardDefinition b;
    b.Cell(0, 5) = {RegionCode::White, BoxCode::Empty, 0};      // border not Blue
    b.Cell(4, 4) = {RegionCode::Green, BoxCode::Free, 0};       // box its region may not hold
    b.Cell(5, 5).box = BoxCode::Your;
    b.Cell(6, 6).box = BoxCode::Your;                            // two Your boxes
    b.Cell(7, 7) = {RegionCode::White, BoxCode::Number, 3};
    b.Cell(8, 8) = {RegionCode::White, BoxCode::Number, 3};      // repeated number
    b.Cell(9, 9) = {RegionCode::White, BoxCode::Number, 12};     // out of range
    b.Cell(10, 10) = {RegionCode::White, BoxCode::Empty, 4};     // number without a Number box
    b.Cell(11, 11) = {static_cast<RegionCode>(8), BoxCode::Empty, 0};
    std::string bytes = EncodeBoard(b);
    bytes[25 + 2 * 12] = 9;  // numberBoxCount differs from the cells
    bytes[25] = 21;          // boardWidth
    const std::string p = path("bad.dat");
    std::ofstream(p, std::ios::binary) << bytes;
    const ToolRun r = run({"info", p});
    EXPECT_EQ(r.code, 0);
    for (const char* part : {"Border Cell (0, 5)", "Cell (4, 4): a Green cell may not hold a Free box",
                             "2 Your boxes", "Number 3 is carried by 2", "Cell (9, 9) holds a Number box carrying 12",
                             "Cell (10, 10) carries number 4", "numberBoxCount is 9", "boardWidth is 21",
                             "region code 8"})
        EXPECT_THAT(r.out, HasSubstr(part));
}

TEST(BoardTool, PlayReportsTheGameAfterTheMoves) {
    BoardDefinition b;
    b.Cell(10, 8).region = RegionCode::Blue;
    b.Cell(10, 9) = {RegionCode::Yellow, BoxCode::Star, 0};
    b.Cell(10, 10) = {RegionCode::Yellow, BoxCode::Your, 0};
    const std::string p = save("play.dat", b);
    ToolRun r = run({"play", p, "T"});
    EXPECT_EQ(r.code, 0);
    EXPECT_THAT(r.out, HasSubstr("\"state\":\"Playing\",\"outcome\":\"Undecided\""));
    EXPECT_THAT(r.out, HasSubstr("\"timeLeft\":149"));
    r = run({"play", p, "UTTT"});
    EXPECT_THAT(r.out, HasSubstr("\"state\":\"GameOver\",\"outcome\":\"Won\""));
    EXPECT_THAT(r.out, HasSubstr("\"endTicks\":3"));
    EXPECT_THAT(r.out, HasSubstr("\"sounds\":[\"ESTAR\",\"GEWON\"]"));
    r = run({"play", p, "U" + std::string(30, 'T')});
    EXPECT_THAT(r.out, HasSubstr("\"state\":\"Idle\""));
}

TEST(BoardTool, BadArgumentsAndUnreadableFiles) {
    EXPECT_EQ(run({}).code, 2);
    EXPECT_EQ(run({"frobnicate", "x"}).code, 2);
    EXPECT_EQ(run({"info"}).code, 2);
    const ToolRun bad = run({"play", save("p.dat", BoardDefinition{}), "UX"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_THAT(bad.err, HasSubstr("usage"));

    ToolRun r = run({"info", path("missing.dat")});
    EXPECT_EQ(r.code, 1);
    EXPECT_THAT(r.err, HasSubstr("missing.dat"));
    BoardDefinition b;
    std::string bytes = EncodeBoard(b);
    const std::string shortFile = path("short.dat");
    std::ofstream(shortFile, std::ios::binary) << bytes.substr(0, 100);
    r = run({"info", shortFile});
    EXPECT_EQ(r.code, 1);
    EXPECT_THAT(r.err, HasSubstr("ends early"));
    bytes[1] = 'v';
    const std::string wrong = path("wrong.dat");
    std::ofstream(wrong, std::ios::binary) << bytes;
    EXPECT_EQ(run({"info", wrong}).code, 1);
    EXPECT_EQ(run({"play", wrong, "U"}).code, 1);
}

TEST(BoardTool, GenerateWritesTheGamesRandomBoardAndItsIdRebuildsIt) {
    const ToolRun made = run({"generate", "--difficulty", "Medium", "--seed", "7", path("m7.dat")});
    ASSERT_EQ(made.code, 0) << made.err;
    const std::string id = made.out.substr(0, made.out.find(' '));
    EXPECT_EQ(id[0], 'M');
    EXPECT_THAT(made.err, HasSubstr("won in " + made.out.substr(made.out.find(' ') + 1, 2)));
    EXPECT_EQ(run({"generate", "--id", id, path("again.dat")}).out, made.out);
    std::string a, b;
    ASSERT_TRUE(readFileBytes(path("m7.dat"), a));
    ASSERT_TRUE(readFileBytes(path("again.dat"), b));
    EXPECT_EQ(a, b);
    EXPECT_THAT(run({"info", path("m7.dat")}).out, HasSubstr("\"problems\":[]"));

    std::string typo = id;
    typo[3] = typo[3] == '7' ? '8' : '7';
    EXPECT_THAT(run({"generate", "--id", typo, path("x.dat")}).err, HasSubstr("typing mistake"));
    EXPECT_EQ(run({"generate", "--difficulty", "Hard", "--id", id, path("x.dat")}).code, 2);
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"generate", "--difficulty", "Easy", path("x.dat")},
          {"generate", "--difficulty", "Tricky", "--seed", "1", path("x.dat")},
          {"generate", "--difficulty", "Easy", "--seed", "-1", path("x.dat")},
          {"generate", "--difficulty", "Easy", "--seed", "2147483648", path("x.dat")},
          {"generate", "--difficulty", "Easy", "--seed", "1"}})
        EXPECT_EQ(run(bad).code, 2);
    EXPECT_FALSE(fs::exists(path("x.dat")));
}
