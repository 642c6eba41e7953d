// Speed and memory of the shortest-win search, beside the engine's own rate
// for the same work; the hint's answer time along every catalogue line; and
// open rooms as authors first draw them.
//   VORTAN_DATA (default: the source data folder) holds the boards.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "board/board_file.h"
#include "game/engine/game_rules.h"
#include "game/search/solver.h"

using namespace vortan;

namespace {

std::string dataDir() {
    const char* d = std::getenv("VORTAN_DATA");
    return d ? d : std::string(VORTAN_SOURCE_DIR) + "/data";
}

CZembrikDoc loadBoard(const std::string& name) {
    CZembrikDoc doc;
    doc.boardPath = dataDir() + "/" + name;
    doc.openRun();
    return doc;
}

void report(benchmark::State& state, const SolveResult& r) {
    state.counters["length"] = r.length;
    state.counters["positions"] = static_cast<double>(r.states);
    state.counters["generated"] = static_cast<double>(r.generated);
    state.counters["generated_per_s"] = r.seconds > 0 ? r.generated / r.seconds : 0;
    state.counters["table_bytes_per_position"] = r.states ? double(r.tableBytes) / r.states : 0;
    state.counters["peak_bytes_per_position"] = r.states ? double(r.peakBytes) / r.states : 0;
    state.counters["seconds"] = r.seconds;
    if (r.status != SolveStatus::Won) state.SetLabel(solveStatusName(r.status));
}

// The engine doing the search's work: each generated position is the
// parent's document copied, one move with its outcome rules and one tick.
void BM_EngineGeneratesPositions(benchmark::State& state) {
    const CZembrikDoc start = [] {
        CZembrikDoc d = loadBoard("demogame.dat");
        d.startRun(RunKind::Played);
        return d;
    }();
    CZembrikDoc doc;
    NullEffects fx;
    std::uint64_t generated = 0;
    for (auto _ : state) {
        for (int d = 1; d <= 4; ++d) {
            doc = start;
            GameRules rules(doc, fx);
            rules.makeMove(static_cast<Direction>(d), Direction::None);
            if (doc.gameState() == GameState::Playing) rules.OnTimer();
            benchmark::DoNotOptimize(doc.playBoard.eventCode());
            ++generated;
        }
    }
    state.counters["generated_per_s"] = benchmark::Counter(static_cast<double>(generated), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EngineGeneratesPositions)->Unit(benchmark::kMicrosecond);

// The demo board, searched on one thread and on two.
void BM_SolveDemo(benchmark::State& state) {
    const CZembrikDoc doc = loadBoard("demogame.dat");
    SolveOptions o;
    o.threads = static_cast<int>(state.range(0));
    SolveResult r;
    for (auto _ : state) r = SolveDocument(doc, o);
    report(state, r);
}
BENCHMARK(BM_SolveDemo)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// A room with no answer inside its limits, searched to the end: the rate of
// a search that never stops early, on one thread and on two.
void BM_ExhaustRoom(benchmark::State& state) {
    BoardDefinition b;
    std::mt19937 rng(4);
    // All White: the Star beside Your box is never taken, so every position
    // within the move limit is searched.
    for (int i = 0; i < 6; ++i) b.Cell(1 + rng() % 20, 1 + rng() % 20) = {RegionCode::White, BoxCode::Free, 0};
    for (int i = 0; i < 8; ++i) b.Cell(1 + rng() % 20, 1 + rng() % 20).region = RegionCode::Blue;
    b.Cell(10, 10) = {RegionCode::White, BoxCode::Your, 0};
    b.Cell(10, 9) = {RegionCode::White, BoxCode::Star, 0};
    b.timeLimit = 0;
    b.moveLimit = 15;
    b.numberBoxTimeLimit = b.starBoxTimeLimit = b.numberOfLives = 0;
    b.RecountBoxes();
    const CZembrikDoc doc = LoadedDocument(b);
    SolveOptions o;
    o.threads = static_cast<int>(state.range(0));
    SolveResult r;
    for (auto _ : state) r = SolveDocument(doc, o);
    report(state, r);
}
BENCHMARK(BM_ExhaustRoom)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Open rooms: a 20 x 20 Yellow room with a few walls, Your box, one or two
// Stars, one to three Numbers and up to three Free boxes, the limits of a
// new board. Seeds 1..12.
BoardDefinition openRoom(unsigned seed) {
    std::mt19937 rng(seed);
    BoardDefinition b;
    for (int x = 1; x <= 20; ++x)
        for (int y = 1; y <= 20; ++y) b.Cell(x, y).region = RegionCode::Yellow;
    auto freeCell = [&](int& x, int& y) {
        do {
            x = 1 + static_cast<int>(rng() % 20);
            y = 1 + static_cast<int>(rng() % 20);
        } while (b.Cell(x, y).box != BoxCode::Empty || b.Cell(x, y).region != RegionCode::Yellow);
    };
    int x, y;
    const int walls = 3 + static_cast<int>(rng() % 6);
    for (int i = 0; i < walls; ++i) {
        freeCell(x, y);
        b.Cell(x, y).region = RegionCode::Blue;
    }
    auto place = [&](BoxCode box, std::uint32_t number) {
        freeCell(x, y);
        b.Cell(x, y) = {RegionCode::Yellow, box, number};
    };
    place(BoxCode::Your, 0);
    const int stars = 1 + static_cast<int>(rng() % 2), numbers = 1 + static_cast<int>(rng() % 3);
    const int frees = static_cast<int>(rng() % 4);
    for (int i = 0; i < stars; ++i) place(BoxCode::Star, 0);
    for (int i = 1; i <= numbers; ++i) place(BoxCode::Number, static_cast<std::uint32_t>(i));
    for (int i = 0; i < frees; ++i) place(BoxCode::Free, 0);
    b.RecountBoxes();
    return b;
}

// Rooms are given ten seconds each; one still open then is reported as
// cancelled with the positions it had stored.
void BM_OpenRoom(benchmark::State& state) {
    const CZembrikDoc doc = LoadedDocument(openRoom(static_cast<unsigned>(state.range(0))));
    SolveResult r;
    for (auto _ : state) {
        std::atomic<bool> stop{false}, done{false};
        std::thread watch([&] {
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (!done && std::chrono::steady_clock::now() < end)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            stop = true;
        });
        SolveOptions o;
        o.cancel = &stop;
        r = SolveDocument(doc, o);
        done = true;
        watch.join();
    }
    report(state, r);
}
BENCHMARK(BM_OpenRoom)->DenseRange(1, 12)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Hint from every position on the kept shortest line of every catalogue
// board: the worst and the mean answer time.
void BM_HintAlongCatalogueLines(benchmark::State& state) {
    std::ifstream in(std::string(VORTAN_SOURCE_DIR) + "/tools/catalogue/solutions.txt");
    std::vector<std::pair<std::string, std::string>> lines;
    for (std::string text; std::getline(in, text);) {
        std::istringstream row(text);
        std::string name, moves;
        int length;
        if (text.empty() || text[0] == '#' || !(row >> name >> length >> moves)) continue;
        lines.emplace_back(name, moves);
    }
    double worst = 0, total = 0, worstCpu = 0;
    int hints = 0, wrong = 0;
    std::string worstAt;
    for (auto _ : state) {
        for (const auto& [name, line] : lines) {
            if (name == "demogame.dat") continue;  // not a catalogue board; BM_SolveDemo times it
            const CZembrikDoc loaded = loadBoard(name);
            for (std::size_t k = 0; k + 2 <= line.size(); k += 2) {
                const ReplayResult at = ReplayMoves(loaded, line.substr(0, k));
                if (at.doc.gameState() != GameState::Playing) break;
                const auto t0 = std::chrono::steady_clock::now();
                const std::clock_t c0 = std::clock();
                const HintResult h = FindHint(at.doc);
                const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
                worstCpu = std::max(worstCpu, 1000.0 * double(std::clock() - c0) / CLOCKS_PER_SEC);
                if (h.status != SolveStatus::Won) ++wrong;
                total += ms;
                ++hints;
                if (ms > worst) {
                    worst = ms;
                    worstAt = name + " after " + std::to_string(k / 2) + " moves";
                }
            }
        }
    }
    state.counters["hints"] = hints;
    state.counters["worst_ms"] = worst;
    state.counters["worst_cpu_ms_both_threads"] = worstCpu;
    state.counters["mean_ms"] = hints ? total / hints : 0;
    state.counters["without_answer"] = wrong;
    state.SetLabel("worst: " + worstAt);
}
BENCHMARK(BM_HintAlongCatalogueLines)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
