// Hint through the engine: the hinted move is on a shortest line, so that
// playing it (and its tick) leaves a win exactly one move shorter.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game/search/solver.h"
#include "tests/support/search_boards.h"

using namespace vortan;
using namespace vortan::test;

TEST(Hint, EveryHintAlongAShortestCatalogueLineLeavesAWinOneMoveShorter) {
    // The kept lines: "name length moves", '#' starts a comment.
    std::ifstream in(std::string(VORTAN_SOURCE_DIR) + "/tools/catalogue/solutions.txt");
    std::vector<std::pair<std::string, std::string>> lines;
    for (std::string text, name, moves; std::getline(in, text);) {
        std::istringstream row(text);
        int length = 0;
        if (text[0] != '#' && row >> name >> length >> moves) lines.emplace_back(name, moves);
    }
    ASSERT_GT(lines.size(), 200u);
    // One board of every twenty, every third position on its kept line.
    for (std::size_t i = 0; i < lines.size(); i += 20) {
        const auto& [name, line] = lines[i];
        if (name == "demogame.dat") continue;  // its line starts with a pause
        CZembrikDoc loaded;
        loaded.boardPath = std::string(VORTAN_SOURCE_DIR) + "/data/" + name;
        ASSERT_EQ(loaded.openRun(), LoadResult::Loaded) << name;
        const int length = static_cast<int>(line.size() / 2);
        for (int k = 0; k < length; k += 3) {
            SCOPED_TRACE(name + " after " + std::to_string(k));
            const CZembrikDoc doc = ReplayMoves(loaded, line.substr(0, 2 * k)).doc;
            const HintResult h = FindHint(doc);
            ASSERT_EQ(h.status, SolveStatus::Won) << h.message;
            EXPECT_EQ(h.movesToWin, length - k);
            const ReplayResult after = ReplayMoves(doc, std::string(1, "-UDLR"[static_cast<int>(h.move)]) + "T");
            if (length - k == 1)
                EXPECT_TRUE(after.won());
            else
                EXPECT_EQ(SolveDocument(after.doc).length, length - k - 1);
        }
    }
}

// (Small random boards are checked against every line of play, and a board
// with no win left through the hint command, in solver_test.)

TEST(Hint, NoneWhenTheGameHasEndedOrTheSearchIsCancelled) {
    const BoardDefinition b = drawn({"#S#", "#Y#", "#H#"});
    for (const char* end : {"DT", "UT"}) {  // lost on the Hot box, won on the Star
        const CZembrikDoc over = ReplayMoves(LoadedDocument(b), end).doc;
        ASSERT_EQ(over.gameState(), GameState::GameOver) << end;
        EXPECT_EQ(FindHint(over).status, SolveStatus::NoWin) << end;
    }
    std::atomic<bool> cancel{true};
    SolveOptions o;
    o.cancel = &cancel;
    const CZembrikDoc doc = LoadedDocument(drawn({"..S..", ".....", "..Y.."}));
    EXPECT_EQ(FindHint(doc, o).status, SolveStatus::Cancelled);
    cancel = false;
    EXPECT_EQ(FindHint(doc, o).move, Direction::Up);
}
