// Cost of composing the whole picture of a busy board (budget 0.5 ms; at
// 2x 1.5 ms), and of presenting it full screen on a 3840 x 2160 display
// (budget 8 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include "game/ui/zembrik_view.h"
#include "platform/picture_fit.h"

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

void BM_ComposeScreen2x(benchmark::State& state) {
    CZembrikDoc doc;
    fillBusyBoard(doc);
    CZembrikView view(doc);
    view.clock().stop();
    view.composer().setScale(2);
    for (auto _ : state) {
        view.composeScreen();
        benchmark::DoNotOptimize(view.composedImage().constBits());
    }
}
BENCHMARK(BM_ComposeScreen2x)->Unit(benchmark::kMicrosecond);

// The present of a full-screen window on a 3840 x 2160 screen, as the
// view's paint does it into its backing store: at device pixel ratio 1
// (argument 1) and 2 (argument 2) the 2x picture is scaled to 2880 x 2160.
// A present repaints the picture only; the bars beside it are painted when
// the window is shown or resized.
void BM_PresentFullScreen4K(benchmark::State& state) {
    CZembrikDoc doc;
    fillBusyBoard(doc);
    CZembrikView view(doc);
    view.clock().stop();
    const int ratio = static_cast<int>(state.range(0));
    const QSize logical(3840 / ratio, 2160 / ratio);
    view.composer().setScale(CScreenComposer::scaleFor(fitRect({kScreenWidth, kScreenHeight}, {3840, 2160}).width()));
    view.composeScreen();
    // The backing store of a 24-bit X display.
    QImage store(3840, 2160, QImage::Format_RGB32);
    store.setDevicePixelRatio(ratio);
    const QRectF target = fitInWidget({kScreenWidth, kScreenHeight}, logical, ratio);
    for (auto _ : state) {
        QPainter p(&store);
        drawFitted(p, target.toAlignedRect(), target, view.composedImage(), Qt::black);
        p.end();
        benchmark::DoNotOptimize(store.constBits());
    }
}
// Qt spreads a large smooth scaling over threads: wall time is what counts.
BENCHMARK(BM_PresentFullScreen4K)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ShowMove(benchmark::State& state) {
    CZembrikDoc doc;
    fillBusyBoard(doc);
    CZembrikView view(doc);
    view.clock().stop();
    for (auto _ : state) view.boardMoved(Direction::Left);
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
