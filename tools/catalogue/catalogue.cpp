#include "catalogue.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <sstream>

#include "solver.h"

namespace vortan {

std::vector<CatalogueBoard> GenerateSeries(int version, int series, GenerateStats& stats, std::uint64_t budget) {
    const auto t0 = std::chrono::steady_clock::now();
    const SeriesPlan plan = planFor(version, series);
    std::vector<CatalogueBoard> found, spare, repeats;
    // Picture series show each picture once, or twice when there are few.
    const std::string label = seriesLabel(version, series);
    const int sameTitle = label == "Symbol" ? 1 : label == "Supergraphic" ? 2 : kGamesPerSeries;
    std::map<std::string, int> titleCount;
    const int wanted = sameTitle < kGamesPerSeries ? kGamesPerSeries : 12, maxCandidates = 450;
    SolveOptions options;
    options.budget = std::max(budget, plan.minBudget);
    for (int k = 0; k < maxCandidates && static_cast<int>(found.size()) < wanted; ++k) {
        ++stats.candidates;
        BoardDefinition b = CandidateBoard(version, series, k);
        if (!b.HasYourBox() || b.CountBoxes(BoxCode::Star) + b.CountBoxes(BoxCode::Number) == 0) continue;
        SolveResult r = SolveBoard(b, options);
        stats.states += r.states;
        if (r.status != SolveStatus::Won) {
            ++stats.rejectedUnsolved;
            continue;
        }
        b.numberOfLives = static_cast<std::uint32_t>(plan.lives);
        if (plan.needBonus && !setBonusLimits(b, options, r)) {
            ++stats.rejectedUnsolved;
            continue;
        }
        const bool near = r.length >= plan.lenLo - 4 && r.length <= plan.lenHi + 4;
        if (r.length < plan.lenLo || r.length > plan.lenHi) {
            ++stats.rejectedLength;
            if (!near || static_cast<int>(spare.size()) >= kGamesPerSeries) continue;
        }
        if (!plan.needBonus) setLimits(b, catalogueSlack(version), plan, r.moves, r.length);
        const SolveResult limited = SolveBoard(b, options);
        stats.states += limited.states;
        if (limited.status != SolveStatus::Won || limited.length != r.length) {
            ++stats.rejectedUnsolved;
            continue;
        }
        const bool inWindow = r.length >= plan.lenLo && r.length <= plan.lenHi;
        if (inWindow && titleCount[b.gameName] >= sameTitle) {
            repeats.push_back({b, limited.moves, limited.length, r.states, k});
            continue;
        }
        if (inWindow) ++titleCount[b.gameName];
        (inWindow ? found : spare).push_back({b, limited.moves, limited.length, r.states, k});
    }
    // A series slow to fill takes pictures a further time, then boards just
    // outside its window, nearest first.
    std::sort(spare.begin(), spare.end(), [&](const CatalogueBoard& a, const CatalogueBoard& b) {
        auto off = [&](int len) { return len < plan.lenLo ? plan.lenLo - len : len - plan.lenHi; };
        return off(a.length) < off(b.length);
    });
    for (std::size_t i = 0; i < repeats.size() && found.size() < static_cast<std::size_t>(kGamesPerSeries); ++i)
        found.push_back(repeats[i]);
    for (std::size_t i = 0; i < spare.size() && found.size() < static_cast<std::size_t>(kGamesPerSeries); ++i)
        found.push_back(spare[i]);
    // Ten spread over the lengths found, easiest first.
    std::sort(found.begin(), found.end(), [](const CatalogueBoard& a, const CatalogueBoard& b) {
        return a.length != b.length ? a.length < b.length : a.states < b.states;
    });
    std::vector<CatalogueBoard> chosen;
    const int n = static_cast<int>(found.size());
    for (int g = 0; g < kGamesPerSeries && n > 0; ++g) {
        const int i = n <= kGamesPerSeries ? g : g * (n - 1) / (kGamesPerSeries - 1);
        if (i >= n) break;
        chosen.push_back(found[i]);
    }
    std::map<std::string, int> titles;
    for (int g = 0; g < static_cast<int>(chosen.size()); ++g) {
        BoardDefinition& b = chosen[g].board;
        if (label == "Symbol" || label == "Supergraphic") {
            // Named after the picture drawn; a second one of a kind is "Heart 2".
            const int seen = ++titles[b.gameName];
            if (seen > 1) b.gameName += " " + std::to_string(seen);
        } else {
            b.gameName = catalogueGameName(version, series, g);
        }
        b.openingMessage = openingMessage(b, version, series);
        b.RecountBoxes();
    }
    stats.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    return chosen;
}

std::map<std::string, std::string> ReadSolutions(const std::string& path) {
    std::map<std::string, std::string> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name, length, moves;
        if (line.empty() || line[0] == '#') continue;
        if (fields >> name >> length >> moves) out[name] = moves;
    }
    return out;
}

bool WriteSolutions(const std::string& path, const std::map<std::string, std::string>& solutions) {
    std::ofstream out(path, std::ios::trunc);
    if (!out) return false;
    out << "# board  moves  line (U D L R an arrow key, T one second)\n";
    for (const auto& [name, moves] : solutions) out << name << " " << moves.size() / 2 << " " << moves << "\n";
    return static_cast<bool>(out);
}

}  // namespace vortan
