// vortan-catalogue: builds the boards of the catalogue and the demo.
//   vortan-catalogue series VERSION SERIES [options]   one series (0-based)
//   vortan-catalogue all [options]                     every series of both versions
//   vortan-catalogue demo [options]                    demogame.dat and demomoves.dat
//   vortan-catalogue figures [options]                 what makes each shipped series hard, as
//                                                      the random boards' difficulty bands measure it
// options: --data DIR (board files), --solutions FILE, --budget N (states per candidate;
// series with open rooms search deeper on their own)
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "board/board_file.h"
#include "board/file_io.h"
#include "catalogue.h"
#include "game/generate/random_board.h"
#include "solver.h"

using namespace vortan;

namespace {

struct Options {
    std::string data = "data";
    std::string solutions = "tools/catalogue/solutions.txt";
    std::uint64_t budget = 40000;
};

int usage() {
    std::cerr << "usage: vortan-catalogue series VERSION SERIES | all | demo | figures\n"
                 "         [--data DIR] [--solutions FILE] [--budget N]\n";
    return 2;
}

bool generate(int version, int series, const Options& o, std::map<std::string, std::string>& solutions) {
    GenerateStats stats;
    const std::vector<CatalogueBoard> boards = GenerateSeries(version, series, stats, o.budget);
    int lo = 1 << 30, hi = 0, sum = 0;
    for (std::size_t g = 0; g < boards.size(); ++g) {
        BoardDefinition b = boards[g].board;
        const std::string name = boardFileName(version, series, static_cast<int>(g));
        if (!WriteBoardFile(o.data + "/" + name, b)) {
            std::cerr << "cannot write " << o.data << "/" << name << "\n";
            return false;
        }
        solutions[name] = boards[g].moves;
        lo = std::min(lo, boards[g].length);
        hi = std::max(hi, boards[g].length);
        sum += boards[g].length;
    }
    std::cout << versionInfo(version).stem << " " << series + 1 << " " << seriesLabel(version, series) << ": "
              << boards.size() << " boards, moves " << lo << "/" << (boards.empty() ? 0.0 : double(sum) / boards.size())
              << "/" << hi << " (min/avg/max); " << stats.candidates << " candidates, " << stats.rejectedUnsolved
              << " unsolved, " << stats.rejectedLength << " off length; " << stats.states << " states in "
              << stats.seconds << " s (" << (stats.seconds > 0 ? stats.states / stats.seconds : 0) << " states/s)" << std::endl;
    return boards.size() == kGamesPerSeries;
}

bool demo(const Options& o, std::map<std::string, std::string>& solutions) {
    BoardDefinition b = DemoBoard();
    SolveOptions big;
    big.budget = 5000000;
    const SolveResult r = SolveBoard(b, big);
    if (r.status != SolveStatus::Won || r.length + 2 > 150) {
        std::cerr << "the demo board is not won within 150 seconds: " << solveStatusName(r.status) << "\n";
        return false;
    }
    // Two seconds to look at the board, then one move a second.
    std::vector<int> entries(151, 0);
    entries[150] = 6;
    for (int i = 0; i < r.length; ++i) {
        const char c = r.moves[2 * i];
        entries[2 + i] = c == 'U' ? 1 : c == 'D' ? 2 : c == 'L' ? 3 : 4;
    }
    std::string bytes;
    for (int e : entries) appendU16(bytes, static_cast<std::uint32_t>(e));
    if (!WriteBoardFile(o.data + "/demogame.dat", b) || !writeFileAtomically(o.data + "/demomoves.dat", bytes)) {
        std::cerr << "cannot write the demo files\n";
        return false;
    }
    solutions["demogame.dat"] = "TT" + r.moves;
    std::cout << "demo: " << r.length << " moves\n";
    return true;
}

// Per series: min / mean / max of each figure over its ten boards.
bool figures(const Options& o) {
    std::cout << "series | moves | positions | winning first moves | random playouts won (per mille)\n";
    for (int v = 0; v < kCatalogueVersions; ++v)
        for (int s = 0; s < kSeriesCount; ++s) {
            std::vector<BoardFigures> all;
            for (int g = 0; g < kGamesPerSeries; ++g) {
                BoardDefinition b;
                b.ClearCells();
                const FileReadResult read = ReadBoardFile(o.data + "/" + boardFileName(v, s, g), b);
                if (!read.opened || !read.read.ok()) return false;
                SolveOptions one;
                one.threads = 1;
                const SolveResult r = SolveBoard(b, one);
                if (r.status != SolveStatus::Won) return false;
                all.push_back(MeasureBoard(b, r.length, r.states));
            }
            auto row = [&](auto get) {
                double lo = 1e18, hi = 0, sum = 0;
                for (const BoardFigures& f : all) {
                    const double x = static_cast<double>(get(f));
                    lo = std::min(lo, x), hi = std::max(hi, x), sum += x;
                }
                std::cout << " | " << lo << " / " << sum / all.size() << " / " << hi;
            };
            std::cout << versionInfo(v).stem << " " << s + 1 << " " << seriesLabel(v, s);
            row([](const BoardFigures& f) { return f.length; });
            row([](const BoardFigures& f) { return f.states; });
            row([](const BoardFigures& f) { return f.winningFirstMoves; });
            row([](const BoardFigures& f) { return f.playoutWinsPermille; });
            std::cout << std::endl;
        }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    Options o;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i + 1 < args.size() && args[i] == "--data")
            o.data = args[++i];
        else if (i + 1 < args.size() && args[i] == "--solutions")
            o.solutions = args[++i];
        else if (i + 1 < args.size() && args[i] == "--budget")
            o.budget = std::strtoull(args[++i].c_str(), nullptr, 10);
        else
            rest.push_back(args[i]);
    }
    if (rest.empty() || o.budget == 0) return usage();
    std::map<std::string, std::string> solutions = ReadSolutions(o.solutions);
    bool ok = true;
    if (rest[0] == "series" && rest.size() == 3) {
        const int v = std::atoi(rest[1].c_str()), s = std::atoi(rest[2].c_str());
        if (v < 0 || v >= kCatalogueVersions || s < 0 || s >= kSeriesCount) return usage();
        ok = generate(v, s, o, solutions);
    } else if (rest[0] == "all" && rest.size() == 1) {
        for (int v = 0; v < kCatalogueVersions; ++v)
            for (int s = 0; s < kSeriesCount; ++s) ok = generate(v, s, o, solutions) && ok;
        ok = demo(o, solutions) && ok;
    } else if (rest[0] == "figures" && rest.size() == 1) {
        return figures(o) ? 0 : 1;
    } else if (rest[0] == "demo" && rest.size() == 1) {
        ok = demo(o, solutions);
    } else {
        return usage();
    }
    if (!WriteSolutions(o.solutions, solutions)) {
        std::cerr << "cannot write " << o.solutions << "\n";
        return 1;
    }
    return ok ? 0 : 1;
}
