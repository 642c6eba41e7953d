#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "board/file_io.h"
#include "tests/support/engine_game.h"
#include "tests/support/test_folder.h"

using namespace vortan;
using namespace vortan::test;

namespace {
std::string folder() { return vortan::testing::testFolder("load", false).string(); }
std::string writeBytes(const std::string& name, const std::string& bytes) {
    const std::string path = folder() + "/" + name;
    vortan::testing::spit(path, bytes);
    return path;
}
BoardDefinition named(const std::string& name, const std::vector<std::string>& rows) {
    BoardDefinition b = room(rows);
    b.gameName = name;
    return b;
}
}  // namespace

TEST(Load, ZeroLimitsAreSwitchedOffAndCountdownsStart) {
    BoardDefinition b = room({"S"});
    b.timeLimit = 90;
    b.timeBoxTimeValue = b.moveBoxMoveValue = 0;
    CZembrikDoc doc;
    doc.gameOutcome = GameOutcome::Lost;
    ASSERT_EQ(load(doc, b), LoadResult::Loaded);
    EXPECT_EQ(doc.timeLimit, 90);
    EXPECT_EQ(doc.timeLeft, 90);
    EXPECT_EQ(doc.score, 90);
    for (std::int32_t v : {doc.moveLimit, doc.numberBoxTimeLimit, doc.starBoxTimeLimit, doc.numberOfLives,
                           doc.movesLeft, doc.numberBoxTimeLeft, doc.starBoxTimeLeft})
        EXPECT_EQ(v, kOff);
    EXPECT_EQ(doc.timeBoxTimeValue, 0);  // bonuses are taken as they are
    EXPECT_EQ(doc.moveBoxMoveValue, 0);
    EXPECT_EQ(doc.starBoxCount, 1);
    EXPECT_EQ(doc.gameOutcome, GameOutcome::Undecided);
    EXPECT_EQ(doc.playBoard.nextNumber(), 1);
}

TEST(Load, ADamagedFileKeepsWhatWasReadAndStartsTheClock) {
    BoardDefinition b = named("Cut short", std::vector<std::string>(20, std::string(20, '.')));
    b.timeLimit = 80;
    b.Cell(1, 1).box = BoxCode::Your;
    b.Cell(20, 20).box = BoxCode::Star;
    std::string bytes = EncodeBoard(b);
    CZembrikDoc doc;
    doc.boardPath = writeBytes("cut.dat", bytes.substr(0, bytes.size() - 300));
    EXPECT_EQ(doc.loadBoardFile(), LoadResult::Truncated);
    EXPECT_EQ(doc.gameName, "Cut short");
    EXPECT_EQ(doc.playBoard.peek(1, 1).box, code(BoxCode::Your));
    EXPECT_EQ(doc.playBoard.peek(20, 20).box, 0);  // never reached

    // A wrong version reads nothing: the texts stay, the board is cleared.
    doc.timeLeft = 10;
    bytes[1] = 'v';
    doc.boardPath = writeBytes("wrong.dat", bytes);
    EXPECT_EQ(doc.loadBoardFile(), LoadResult::WrongVersion);
    EXPECT_EQ(doc.gameName, "Cut short");
    EXPECT_EQ(doc.timeLeft, 80);
    EXPECT_EQ(doc.playBoard.peek(1, 1).box, 0);
    EXPECT_EQ(doc.playBoard.peek(0, 0).region, 0);  // cleared to Yellow, not Blue
}

TEST(Load, AShortOrMissingFileChangesNothing) {
    Game g(named("Running", {".", "Y"}));
    g.key(Direction::Up);
    BoardDefinition other = named("Other", {"."});
    const std::string bytes = EncodeBoard(other);
    for (std::size_t len : {std::size_t{0}, std::size_t{5}, std::size_t{40}, bytes.size() - 1}) {
        const std::string path = writeBytes("short.dat", bytes.substr(0, len));
        EXPECT_EQ(g.doc.openDocument(path), LoadResult::Truncated) << len;
        EXPECT_EQ(g.doc.gameName, "Running");
        EXPECT_EQ(g.box(1, 1), code(BoxCode::Your));
    }
    const std::string missing = folder() + "/does-not-exist.dat";
    EXPECT_EQ(g.doc.openDocument(missing), LoadResult::NotOpened);
    g.doc.boardPath = missing;  // and reloading a board that has gone
    EXPECT_EQ(g.doc.loadBoardFile(), LoadResult::NotOpened);
    EXPECT_EQ(g.doc.gameName, "Running");
    EXPECT_EQ(g.box(1, 1), code(BoxCode::Your));
}

// The fuzz target (tests/fuzz) on random bytes behind a valid version text:
// a short run in every build, so the target cannot rot between fuzzing runs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

TEST(Load, HostileFilesNeverCrashTheGame) {
    std::uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 200; ++round) {
        std::string bytes("\x09Version 1", 10);
        const int n = static_cast<int>(next() % 4000);
        for (int i = 0; i < n; ++i) bytes.push_back(static_cast<char>(next() >> 24));
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
}
