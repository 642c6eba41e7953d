#include "random_records.h"

#include <cstdlib>
#include <sstream>

#include "board/file_io.h"

namespace vortan {

const char* const RandomRecords::kFileName = "random-boards.txt";

namespace {
const char* const kKeys[kRandomDifficulties] = {"easy", "medium", "hard", "expert"};
constexpr std::int32_t kMostMoves = 1000000;

// A whole number in 0..kMostMoves, nothing else.
bool readCount(const std::string& text, std::int32_t& out) {
    if (text.empty() || text.size() > 7) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    const long v = std::strtol(text.c_str(), nullptr, 10);
    if (v > kMostMoves) return false;
    out = static_cast<std::int32_t>(v);
    return true;
}

// IDs are short and plain; anything else in their place is not kept.
bool plainId(const std::string& id) {
    if (id.size() > 16) return false;
    for (char c : id)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '-')) return false;
    return true;
}
}  // namespace

void RandomRecords::read(const std::string& path) {
    best_ = {};
    std::string bytes;
    if (!readFileBytes(path, bytes, 1u << 16)) return;
    std::istringstream in(bytes);
    std::string line;
    // "hard moves 23 H-2000-01A5" or "hard time 71 H-2000-01A5"
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string key, what, count, id;
        if (!(fields >> key >> what >> count >> id)) continue;
        std::int32_t n = 0;
        if (!readCount(count, n) || !plainId(id)) continue;
        for (int d = 0; d < kRandomDifficulties; ++d) {
            if (key != kKeys[d]) continue;
            if (what == "moves" && n > 0) best_[d].fewestMoves = n, best_[d].fewestMovesId = id;
            if (what == "time") best_[d].mostTimeLeft = n, best_[d].mostTimeLeftId = id;
        }
    }
}

bool RandomRecords::write(const std::string& path) const {
    std::ostringstream out;
    out << "# Vortan: best results on random boards (difficulty, what, figure, board ID)\n";
    for (int d = 0; d < kRandomDifficulties; ++d) {
        if (best_[d].fewestMoves > 0) out << kKeys[d] << " moves " << best_[d].fewestMoves << " " << best_[d].fewestMovesId << "\n";
        if (best_[d].mostTimeLeft >= 0)
            out << kKeys[d] << " time " << best_[d].mostTimeLeft << " " << best_[d].mostTimeLeftId << "\n";
    }
    return writeFileAtomically(path, out.str());
}

bool RandomRecords::addWin(int difficulty, std::int32_t moves, std::int32_t timeLeft, const std::string& id) {
    if (difficulty < 0 || difficulty >= kRandomDifficulties || moves <= 0 || moves > kMostMoves || !plainId(id))
        return false;
    RandomBest& b = best_[difficulty];
    bool better = false;
    if (b.fewestMoves == 0 || moves < b.fewestMoves) b.fewestMoves = moves, b.fewestMovesId = id, better = true;
    if (timeLeft >= 0 && timeLeft <= kMostMoves && timeLeft > b.mostTimeLeft)
        b.mostTimeLeft = timeLeft, b.mostTimeLeftId = id, better = true;
    return better;
}

const RandomBest& RandomRecords::best(int difficulty) const {
    static const RandomBest none;
    return difficulty >= 0 && difficulty < kRandomDifficulties ? best_[difficulty] : none;
}

}  // namespace vortan
