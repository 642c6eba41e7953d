// Hint through the engine: the hinted move is on a shortest line, so that
// playing it (and its tick) leaves a win exactly one move shorter.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "game/search/solver.h"
#include "tests/support/search_boards.h"

using namespace vortan;
using namespace vortan::test;

namespace {

const char* letterOf(Direction d) {
    switch (d) {
    case Direction::Up: return "UT";
    case Direction::Down: return "DT";
    case Direction::Left: return "LT";
    case Direction::Right: return "RT";
    default: return "";
    }
}

// The document of a game in progress: the board loaded, `line` played.
CZembrikDoc playing(const CZembrikDoc& loaded, const std::string& line) {
    CZembrikDoc doc = ReplayMoves(loaded, line).doc;
    return doc;
}

// Checks the hint at `doc`, which has a shortest win of `expected` moves.
void expectHintOnAShortestLine(const CZembrikDoc& doc, int expected, const std::string& where) {
    const HintResult h = FindHint(doc);
    ASSERT_EQ(h.status, SolveStatus::Won) << where << ": " << h.message;
    EXPECT_EQ(h.movesToWin, expected) << where;
    const ReplayResult after = ReplayMoves(doc, letterOf(h.move));
    if (expected == 1) {
        EXPECT_TRUE(after.won()) << where;
        return;
    }
    ASSERT_EQ(after.doc.gameState(), GameState::Playing) << where;
    const SolveResult rest = SolveDocument(after.doc);
    ASSERT_EQ(rest.status, SolveStatus::Won) << where;
    EXPECT_EQ(rest.length, expected - 1) << where;
}

std::vector<std::pair<std::string, std::string>> keptLines() {
    std::ifstream in(std::string(VORTAN_SOURCE_DIR) + "/tools/catalogue/solutions.txt");
    std::vector<std::pair<std::string, std::string>> lines;
    std::string name, moves;
    int length = 0;
    std::string text;
    while (std::getline(in, text)) {
        if (text.empty() || text[0] == '#') continue;
        std::istringstream row(text);
        if (row >> name >> length >> moves) lines.emplace_back(name, moves);
    }
    return lines;
}

}  // namespace

TEST(Hint, EveryHintAlongAShortestCatalogueLineLeavesAWinOneMoveShorter) {
    const auto lines = keptLines();
    ASSERT_GT(lines.size(), 200u);
    // One board of every twenty, every position on its kept line.
    for (std::size_t i = 0; i < lines.size(); i += 20) {
        const auto& [name, line] = lines[i];
        if (name == "demogame.dat") continue;  // its line starts with a pause
        CZembrikDoc loaded;
        loaded.boardPath = std::string(VORTAN_SOURCE_DIR) + "/data/" + name;
        ASSERT_EQ(loaded.openRun(), LoadResult::Loaded) << name;
        const int length = static_cast<int>(line.size() / 2);
        for (int k = 0; k < length; k += 3)
            expectHintOnAShortestLine(playing(loaded, line.substr(0, 2 * k)), length - k,
                                      name + " after " + std::to_string(k));
    }
}

TEST(Hint, AgreesWithEveryLineOfPlayOnSmallBoardsWithLimits) {
    std::mt19937 rng(3);
    int compared = 0;
    for (int round = 0; round < 40; ++round) {
        const CZembrikDoc loaded = LoadedDocument(randomRoom(rng, 4, 4, ".....#rSFHZTMg", true));
        // A first move through the rules, then the hint from there.
        const CZembrikDoc doc = playing(loaded, "LT");
        if (doc.gameState() != GameState::Playing) continue;
        const int expected = exhaustiveShortest(doc, 5);
        if (expected > 0) {
            expectHintOnAShortestLine(doc, expected, "round " + std::to_string(round));
            ++compared;
        }
    }
    EXPECT_GT(compared, 5);
}

TEST(Hint, SaysSoWhenNoWinRemains) {
    // A Star on White can never be taken.
    const CZembrikDoc doc = playing(LoadedDocument(whitened(drawn({"..S..", ".....", "..Y.."}))), "UT");
    const HintResult h = FindHint(doc);
    EXPECT_EQ(h.status, SolveStatus::NoWin);
    EXPECT_EQ(h.move, Direction::None);
    EXPECT_EQ(h.message, "No winning line from here.");
}

TEST(Hint, AGameThatHasEndedHasNoHint) {
    BoardDefinition b = drawn({"#S#", "#Y#", "#H#"});
    b.numberOfLives = 1;
    const CZembrikDoc lost = playing(LoadedDocument(b), "DT");
    ASSERT_EQ(lost.gameOutcome, GameOutcome::Lost);
    EXPECT_EQ(FindHint(lost).status, SolveStatus::NoWin);
    const CZembrikDoc won = playing(LoadedDocument(b), "UT");
    ASSERT_EQ(won.gameOutcome, GameOutcome::Won);
    EXPECT_EQ(FindHint(won).message, "No winning line from here.");
}

TEST(Hint, StopsWhenCancelledAndWithinItsMemory) {
    const CZembrikDoc doc = playing(LoadedDocument(drawn({"..S..", ".....", "..Y.."})), "");
    std::atomic<bool> cancel{true};
    SolveOptions o;
    o.cancel = &cancel;
    const HintResult h = FindHint(doc, o);
    EXPECT_EQ(h.status, SolveStatus::Cancelled);
    EXPECT_EQ(h.move, Direction::None);
    cancel = false;
    EXPECT_EQ(FindHint(doc, o).move, Direction::Up);
}
