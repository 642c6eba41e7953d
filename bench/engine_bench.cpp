// Speed of the rules: one move with its outcome rules, and a board file
// read and written back.
#include <benchmark/benchmark.h>

#include <sstream>

#include "board/board_file.h"
#include "game/engine/game_rules.h"

using namespace vortan;

namespace {

// About 100 boxes of every kind spread over a Yellow board with some walls,
// every limit off so the game never ends.
BoardDefinition busyBoard() {
    BoardDefinition b;
    b.gameName = "Benchmark";
    b.timeLimit = b.moveLimit = b.numberBoxTimeLimit = b.starBoxTimeLimit = b.numberOfLives = 0;
    std::uint32_t seed = 7;
    auto next = [&] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    const BoxCode kinds[] = {BoxCode::Free, BoxCode::Free, BoxCode::Free, BoxCode::Exception, BoxCode::Star,
                             BoxCode::Time, BoxCode::Move};
    int placed = 0;
    for (int x = 1; x < 21; ++x)
        for (int y = 1; y < 21; ++y) b.Cell(x, y).region = RegionCode::Yellow;
    while (placed < 100) {
        const int x = 1 + static_cast<int>(next() % 20), y = 1 + static_cast<int>(next() % 20);
        BoardCell& c = b.Cell(x, y);
        if (c.box != BoxCode::Empty) continue;
        c.box = kinds[next() % 7];
        ++placed;
    }
    for (int i = 0; i < 20; ++i) b.Cell(1 + static_cast<int>(next() % 20), 1 + static_cast<int>(next() % 20)).region =
        RegionCode::Blue;
    b.Cell(10, 10) = {RegionCode::Yellow, BoxCode::Your, 0};
    return b;
}

void BM_MoveAndRules(benchmark::State& state) {
    BoardDefinition b = busyBoard();
    CZembrikDoc doc;
    NullEffects fx;
    GameRules rules(doc, fx);
    std::istringstream in(EncodeBoard(b));
    doc.openAndStartRun(in);
    const Direction order[] = {Direction::Up, Direction::Left, Direction::Down, Direction::Right};
    unsigned i = 0;
    for (auto _ : state) {
        rules.makeMove(order[i++ & 3], Direction::None);
        // Keep the board busy: reload when the game would end.
        if (doc.gameState() != GameState::Playing) {
            state.PauseTiming();
            std::istringstream again(EncodeBoard(b));
            doc.openAndStartRun(again);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_MoveAndRules);

void BM_ReadAndWriteBoard(benchmark::State& state) {
    BoardDefinition b = busyBoard();
    const std::string bytes = EncodeBoard(b);
    for (auto _ : state) {
        std::istringstream in(bytes);
        BoardDefinition read;
        read.ClearCells();
        benchmark::DoNotOptimize(ReadBoard(in, read));
        std::ostringstream out;
        WriteBoard(read, out);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_ReadAndWriteBoard);

}  // namespace
