// The best results on random boards, per difficulty: the fewest moves and
// the most time left in a won game, each with its board ID. Kept in a small
// text file of their own in the user's data folder, never with the
// catalogue's high scores.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vortan {

constexpr int kRandomDifficulties = 4;

struct RandomBest {
    std::int32_t fewestMoves = 0;  // 0: no game won yet
    std::string fewestMovesId;
    std::int32_t mostTimeLeft = -1;  // -1: no game won yet
    std::string mostTimeLeftId;
};

class RandomRecords {
public:
    static const char* const kFileName;

    // Reads what it can: lines that are damaged, unknown or out of range are
    // skipped, the others kept. A missing file is no records.
    void read(const std::string& path);
    bool write(const std::string& path) const;

    // A won game; true when it set a record. Out-of-range difficulties and
    // negative figures change nothing.
    bool addWin(int difficulty, std::int32_t moves, std::int32_t timeLeft, const std::string& id);
    const RandomBest& best(int difficulty) const;

private:
    std::array<RandomBest, kRandomDifficulties> best_;
};

}  // namespace vortan
