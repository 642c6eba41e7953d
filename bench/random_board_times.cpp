// bench_random_boards [COUNT] [FIRST_SEED]: builds COUNT boards of each
// difficulty from consecutive seeds and prints the time each took (median,
// 95th percentile, worst), the candidates drawn and the figures' means.
// Timed rather than a Google Benchmark: the spread over seeds is the point.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/generate/random_board.h"

using namespace vortan;

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const std::uint32_t first = argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1;
    std::vector<double> everyone;
    std::printf("difficulty | median ms | 95%% ms | worst ms | not found | candidates mean | moves | positions | "
                "first moves | playouts won per mille\n");
    for (int d = 0; d < kDifficultyCount; ++d) {
        std::vector<double> ms;
        double candidates = 0, length = 0, states = 0, firsts = 0, playouts = 0;
        int made = 0, missing = 0;
        for (int i = 0; i < count; ++i) {
            const BoardId id{static_cast<Difficulty>(d), first + static_cast<std::uint32_t>(i), kGeneratorVersion};
            RandomBoard out;
            const auto t0 = std::chrono::steady_clock::now();
            const GenerateStatus st = GenerateRandomBoard(id, out);
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            if (st != GenerateStatus::Made) {
                ++missing;
                continue;
            }
            ++made;
            candidates += out.candidates, length += out.figures.length, states += static_cast<double>(out.figures.states);
            firsts += out.figures.winningFirstMoves, playouts += out.figures.playoutWinsPermille;
        }
        everyone.insert(everyone.end(), ms.begin(), ms.end());
        std::sort(ms.begin(), ms.end());
        const double n = std::max(1, made);
        std::printf("%s | %.0f | %.0f | %.0f | %d | %.1f | %.1f | %.0f | %.2f | %.1f\n", difficultyName(static_cast<Difficulty>(d)),
                    ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 95 / 100)], ms.back(), missing,
                    candidates / n, length / n, states / n, firsts / n, playouts / n);
        std::fflush(stdout);
    }
    std::sort(everyone.begin(), everyone.end());
    std::printf("all | %.0f | %.0f | %.0f\n", everyone[everyone.size() / 2],
                everyone[std::min(everyone.size() - 1, everyone.size() * 95 / 100)], everyone.back());
    return 0;
}
