// Cost of composing the whole picture of a busy board (budget 0.5 ms).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "game/ui/zembrik_view.h"

namespace {

using namespace vortan;

void fillBusyBoard(CZembrikDoc& doc) {
    PlayBoard& b = doc.playBoard;
    b.init(kGridSize, kGridSize);
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) {
            const bool border = x == 0 || y == 0 || x == kGridSize - 1 || y == kGridSize - 1;
            const int region = border ? 1 : (x + 2 * y) % 6;
            // Every inner cell holds a box: each kind and every number.
            const int box = border ? 0 : 2 + (x * 7 + y) % 8;
            b.setCell(x, y, region, box, 1 + (x + y) % 9);
        }
    b.setCell(10, 10, 0, 1, 0);
    doc.startRun(RunKind::Played);
    doc.gameName = "Busy Board";
    doc.numberOfLives = 3;
    doc.timeLeft = doc.score = 120;
    doc.movesLeft = 250;
    doc.numberBoxTimeLeft = 60;
    doc.starBoxTimeLeft = kOff;
}

void BM_ComposeScreen(benchmark::State& state) {
    CZembrikDoc doc;
    fillBusyBoard(doc);
    CZembrikView view(doc);
    view.clock().stop();
    for (auto _ : state) {
        view.composeScreen();
        benchmark::DoNotOptimize(view.composedImage().constBits());
    }
}
BENCHMARK(BM_ComposeScreen)->Unit(benchmark::kMicrosecond);

void BM_ShowMove(benchmark::State& state) {
    CZembrikDoc doc;
    fillBusyBoard(doc);
    CZembrikView view(doc);
    view.clock().stop();
    for (auto _ : state) view.showMove(Direction::Left);
}
BENCHMARK(BM_ShowMove)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
