// The shipped boards: each well formed, won by its kept line with time and
// moves to spare, and harder along the series (mirrored where so named), the
// hint along a sample of those lines; the demo won by its recorded moves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "board/board_file.h"
#include "board_check.h"
#include "catalogue.h"
#include "game/engine/effects.h"
#include "game/engine/game_rules.h"
#include "game/runs/records.h"
#include "solver.h"

using namespace vortan;

namespace {

const std::string kData = std::string(VORTAN_SOURCE_DIR) + "/data/";

// A shipped board, which must break no invariant.
BoardDefinition readShipped(const std::string& name) {
    BoardDefinition b;
    b.ClearCells();
    EXPECT_TRUE(ReadBoardFile(kData + name, b).read.ok()) << name;
    EXPECT_THAT(boardProblems(b), ::testing::IsEmpty()) << name;
    return b;
}

// Mirror boards are the same both sides of the middle, but for Your box.
void expectMirrored(const BoardDefinition& b) {
    for (int y = 1; y <= 20; ++y)
        for (int x = 1; x <= 10; ++x) {
            const BoardCell& l = b.Cell(x, y);
            const BoardCell& r = b.Cell(21 - x, y);
            EXPECT_EQ(l.region, r.region) << x << "," << y;
            EXPECT_TRUE(l.box == r.box || l.box == BoxCode::Your || r.box == BoxCode::Your) << x << "," << y;
        }
}

}  // namespace

TEST(Catalogue, EveryBoardIsWellFormedAndWonWithTimeToSpareHarderAlongItsSeries) {
    const auto solutions = ReadSolutions(std::string(VORTAN_SOURCE_DIR) + "/tools/catalogue/solutions.txt");
    std::set<std::string> names;
    double versionMean[kCatalogueVersions] = {};
    int boards = 0;
    for (int v = 0; v < kCatalogueVersions; ++v)
        for (int s = 0; s < kSeriesCount; ++s) {
            int previous = 0;
            for (int g = 0; g < kGamesPerSeries; ++g) {
                const std::string file = boardFileName(v, s, g);
                SCOPED_TRACE(file);
                const BoardDefinition b = readShipped(file);
                EXPECT_TRUE(names.insert(std::to_string(v) + b.gameName).second) << "name used twice: " << b.gameName;
                if (seriesLabel(v, s) == "Mirrors") expectMirrored(b);

                ASSERT_EQ(solutions.count(file), 1u);
                const std::string& line = solutions.at(file);
                const int length = static_cast<int>(line.size() / 2);
                EXPECT_GE(length, previous) << "easier than the board before";
                previous = length;
                versionMean[v] += static_cast<double>(length) / (kSeriesCount * kGamesPerSeries);
                const CZembrikDoc doc = LoadedDocument(b);
                EXPECT_TRUE(ReplayMoves(doc, line).won());
                // A person has twice the seconds the line needs, Time boxes
                // taken on the way included: played at one move every two
                // seconds it still wins.
                std::string slow;
                for (char c : line) slow += c == 'T' ? "TT" : std::string(1, c);
                EXPECT_TRUE(ReplayMoves(doc, slow).won());
                if (seriesLabel(v, s) == "Bonus") {
                    // Neither the time nor the moves last the line without its bonus boxes.
                    EXPECT_LT(static_cast<int>(b.timeLimit), length);
                    EXPECT_LT(static_cast<int>(b.moveLimit), length);
                }
                // On one line of twenty every third hint is on a shortest
                // line: playing it (and its tick) leaves a win one move shorter.
                const bool sampled = boards++ % 20 == 0;
                for (int k = 0; sampled && k < length; k += 3) {
                    const CZembrikDoc at = ReplayMoves(doc, line.substr(0, 2 * k)).doc;
                    const HintResult h = FindHint(at);
                    ASSERT_EQ(h.status, SolveStatus::Won) << "after " << k << ": " << h.message;
                    EXPECT_EQ(h.movesToWin, length - k) << "after " << k;
                    const std::string hinted = std::string(1, "-UDLR"[static_cast<int>(h.move)]) + "T";
                    const ReplayResult after = ReplayMoves(at, hinted);
                    EXPECT_TRUE(length - k == 1 ? after.won() : SolveDocument(after.doc).length == length - k - 1) << k;
                }
            }
        }
    EXPECT_GT(versionMean[1], versionMean[0] * 1.3) << "Brenno is not harder than Alvor";
    // Every line kept belongs to a shipped board or the demo.
    EXPECT_EQ(solutions.size(), static_cast<std::size_t>(kCatalogueVersions * kSeriesCount * kGamesPerSeries) + 1);
}

TEST(Catalogue, TheDemoIsWonByItsRecordedMovesOneASecond) {
    std::int32_t moves[kDemoMoveCount];
    ASSERT_TRUE(ReadDemoMovesFile(kData + "demomoves.dat", moves));
    // As the Demo command plays it: the entries go into the document, one per tick.
    CZembrikDoc doc = LoadedDocument(readShipped("demogame.dat"));
    for (int i = 0; i < kDemoMoveCount; ++i) {
        EXPECT_TRUE(moves[i] <= 4 || i == 150) << i;
        doc.SetDemoMove(i, moves[i]);
    }
    NullEffects fx;
    GameRules rules(doc, fx);
    rules.recordIndex = 0;
    doc.startRun(RunKind::Demo);
    int ticks = 0;
    while (doc.gameState() == GameState::DemoPlaying && ticks < 200) {
        rules.OnTimer();
        ++ticks;
    }
    EXPECT_EQ(doc.gameState(), GameState::DemoOver);
    EXPECT_EQ(doc.gameOutcome, GameOutcome::Won);
    EXPECT_LE(ticks, 150);
}
