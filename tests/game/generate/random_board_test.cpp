#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>

#include "board/board_file.h"
#include "game/generate/random_board.h"
#include "game/search/solver.h"

using namespace vortan;

#ifndef VORTAN_BOARDS_PER_DIFFICULTY
#define VORTAN_BOARDS_PER_DIFFICULTY 100
#endif

namespace {

std::uint64_t fingerprint(BoardDefinition b) {
    std::uint64_t h = 1469598103934665603ULL;
    for (unsigned char c : EncodeBoard(b)) h = (h ^ c) * 1099511628211ULL;
    return h;
}

RandomBoard made(Difficulty d, std::uint32_t seed) {
    RandomBoard out;
    EXPECT_EQ(GenerateRandomBoard({d, seed, kGeneratorVersion}, out), GenerateStatus::Made);
    return out;
}

}  // namespace

TEST(BoardIds, RoundTripAndEveryTypoOrForeignIdIsNamed) {
    for (int d = 0; d < kDifficultyCount; ++d)
        for (std::uint32_t seed : {0u, 1u, 2u, 77777u, kMaxSeed}) {
            const BoardId id{static_cast<Difficulty>(d), seed, kGeneratorVersion};
            const std::string text = formatBoardId(id);
            const ParsedId back = parseBoardId(text);
            ASSERT_EQ(back.problem, IdProblem::None) << text;
            EXPECT_TRUE(back.id.seed == seed && back.id.difficulty == id.difficulty) << text;
            // Read the way people type it, too.
            std::string loose;
            for (char c : text) loose += c == '-' ? ' ' : static_cast<char>(std::tolower(c));
            EXPECT_EQ(parseBoardId(loose).id.seed, seed) << loose;
            // Every single wrong character and every swap of two neighbours is caught.
            for (std::size_t i = 0; i < text.size(); ++i) {
                if (text[i] == '-') continue;
                for (char c : std::string("0123456789ABCDEFGHJKMNPQRSTVWXYZ"))
                    if (c != text[i]) {
                        std::string typo = text;
                        typo[i] = c;
                        EXPECT_NE(parseBoardId(typo).problem, IdProblem::None) << typo;
                    }
                const std::size_t j = text[i + 1] == '-' ? i + 2 : i + 1;
                if (i > 0 && j < text.size() && text[i] != text[j]) {
                    std::string swapped = text;
                    std::swap(swapped[i], swapped[j]);
                    EXPECT_NE(parseBoardId(swapped).problem, IdProblem::None) << swapped;
                }
            }
        }
    const ParsedId foreign = parseBoardId(formatBoardId({Difficulty::Easy, 5, 2}));
    EXPECT_EQ(foreign.problem, IdProblem::OtherGenerator);
    EXPECT_NE(idProblemText(foreign).find("version 2"), std::string::npos);
    for (const char* bad : {"", "H", "Q-2000-01A5", "H-2000-01A5X", "H-20!0-01A5", "H-2000-01U5"})
        EXPECT_EQ(parseBoardId(bad).problem, IdProblem::Malformed) << bad;
    EXPECT_EQ(parseBoardId(std::string(100000, 'H')).problem, IdProblem::Malformed);
}

// An ID's board is pinned, so any change to what the generator builds fails
// here until its version is raised; an ID of another version builds nothing.
// (The board tool's test rebuilds a board from its ID in the same process.)
TEST(RandomBoards, AnIdBuildsItsPinnedBoardUnlessCancelledOrForeign) {
    const RandomBoard easy = made(Difficulty::Easy, 1);
    EXPECT_EQ(fingerprint(easy.board), 0x839419d1991e27c7ULL);
    EXPECT_EQ(fingerprint(made(Difficulty::Expert, 2).board), 0x399c8477e3586672ULL);
    EXPECT_NE(fingerprint(made(Difficulty::Easy, 2).board), fingerprint(easy.board));
    std::atomic<bool> cancel{true};
    RandomBoard out;
    EXPECT_EQ(GenerateRandomBoard({Difficulty::Hard, 3, kGeneratorVersion}, out, {&cancel, nullptr}),
              GenerateStatus::Cancelled);
    EXPECT_EQ(GenerateRandomBoard({Difficulty::Hard, 3, 9}, out), GenerateStatus::NotFound);
}

// Boards per difficulty from fixed seeds: each stored line wins through the
// engine within the board's limits, the figures fall in the band, and the
// bands' means rise with the difficulty.
TEST(RandomBoards, EveryDifficultyIsWinnableInItsBandAndHarderThanTheLast) {
    double previous[4] = {0, 0, 1e9, 1e9};  // length, states, first moves, playouts
    for (int d = 0; d < kDifficultyCount; ++d) {
        const Difficulty difficulty = static_cast<Difficulty>(d);
        double sum[4] = {0, 0, 0, 0};
        for (int i = 0; i < VORTAN_BOARDS_PER_DIFFICULTY; ++i) {
            const RandomBoard r = made(difficulty, 1000 + static_cast<std::uint32_t>(i));
            SCOPED_TRACE(formatBoardId(r.id));
            EXPECT_TRUE(ReplayMoves(LoadedDocument(r.board), r.moves).won());
            EXPECT_EQ(static_cast<int>(r.moves.size()) / 2, r.figures.length);
            EXPECT_GT(r.board.timeLimit, 0u);
            EXPECT_GT(r.board.moveLimit, 0u);
            EXPECT_TRUE(inBand(r.figures, difficultyBand(difficulty)));
            EXPECT_NE(r.board.openingMessage.find(formatBoardId(r.id)), std::string::npos);
            if (difficulty == Difficulty::Expert && i < 10) {
                // So tight that some first move leaves no win, by the search's own word.
                int losing = 0;
                for (const char* first : {"UT", "DT", "LT", "RT"}) {
                    const ReplayResult after = ReplayMoves(LoadedDocument(r.board), first);
                    losing += !after.won() && SolveDocument(after.doc).status == SolveStatus::NoWin;
                }
                EXPECT_GE(losing, 1);
            }
            const double figures[4] = {static_cast<double>(r.figures.length), static_cast<double>(r.figures.states),
                                       static_cast<double>(r.figures.winningFirstMoves),
                                       static_cast<double>(r.figures.playoutWinsPermille)};
            for (int k = 0; k < 4; ++k) sum[k] += figures[k];
        }
        // Longer lines and more states, fewer winning first moves and playout wins.
        for (int k = 0; k < 4; ++k) {
            EXPECT_TRUE(k < 2 ? sum[k] > previous[k] : sum[k] <= previous[k])
                << difficultyName(difficulty) << ", figure " << k << ": " << sum[k] << " after " << previous[k];
            previous[k] = sum[k];
        }
    }
}
