#include "solver.h"

#include <algorithm>
#include <chrono>
#include <sstream>
#include <vector>

#include "board/board_file.h"
#include "game/engine/effects.h"
#include "game/engine/game_rules.h"
#include "game/engine/input.h"

namespace vortan {

namespace {

// A layout is the list of boxes in grid order, one 16-bit entry each:
// cell index in the low 9 bits, a kind id (box code and number) above.
constexpr std::uint16_t kPad = 0xFFFF;
constexpr int kCellBits = 9;
constexpr int kMaxKinds = 127;  // id 127 with cell 511 is the padding
constexpr int kCodeRange = 16;  // box codes and numbers the kind table covers

constexpr std::int32_t kBoxNumber = static_cast<std::int32_t>(BoxCode::Number);

// The counters that decide winning and losing. Everything else about a
// position follows from its layout and the number of seconds played.
struct Counters {
    std::int32_t lives, moves, time, numberTime, starTime, stars, numbers, nextNumber;
};

std::uint64_t mix(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

// Layouts are padded to whole 64-bit words so they hash word by word.
std::uint64_t hashLayout(const std::uint16_t* layout, int words) {
    std::uint64_t h = 0x243f6a8885a308d3ULL;
    for (int i = 0; i < words; ++i) {
        std::uint64_t w = std::uint64_t(layout[4 * i]) | std::uint64_t(layout[4 * i + 1]) << 16 |
                          std::uint64_t(layout[4 * i + 2]) << 32 | std::uint64_t(layout[4 * i + 3]) << 48;
        h = mix(h ^ w) + 0x9e3779b97f4a7c15ULL;
    }
    return h ? h : 1;  // 0 marks an empty slot
}

// Open addressing on 64-bit layout hashes. Two layouts with one hash would
// be taken for one; at a few million layouts the chance is about 1e-6, and
// every solution is replayed through the rules before it is reported.
class SeenSet {
public:
    SeenSet() { keys_.assign(1u << 12, 0); }
    // True if the hash was new.
    bool insert(std::uint64_t h) {
        if (2 * (count_ + 1) > keys_.size()) grow();
        if (place(keys_, h)) {
            ++count_;
            return true;
        }
        return false;
    }

private:
    static bool place(std::vector<std::uint64_t>& keys, std::uint64_t h) {
        const std::size_t mask = keys.size() - 1;
        for (std::size_t i = h & mask;; i = (i + 1) & mask) {
            if (keys[i] == h) return false;
            if (keys[i] == 0) {
                keys[i] = h;
                return true;
            }
        }
    }
    void grow() {
        std::vector<std::uint64_t> bigger(keys_.size() * 2, 0);
        for (std::uint64_t h : keys_)
            if (h) place(bigger, h);
        keys_.swap(bigger);
    }
    std::vector<std::uint64_t> keys_;
    std::size_t count_ = 0;
};

const char kLetters[5] = {'?', 'U', 'D', 'L', 'R'};

class Search {
public:
    Search(const CZembrikDoc& doc, const SolveOptions& options) : doc_(doc), options_(options) {}

    SolveResult run() {
        SolveResult result;
        if (!prepare(result.error)) {
            result.status = SolveStatus::Unusable;
            return result;
        }
        result.status = bfs(result);
        result.states = parents_.size();
        return result;
    }

private:
    bool prepare(std::string& error) {
        const PlayBoard& b = doc_.playBoard;
        for (int y = 0; y < kGridSize; ++y)
            for (int x = 0; x < kGridSize; ++x) {
                const PlayCell& c = b.peek(x, y);
                region_[kGridSize * y + x] = c.region;
                if (c.box == 0) continue;
                if (c.box < 0 || c.box >= kCodeRange || c.number < 0 || c.number >= kCodeRange) {
                    error = "a box code or number outside 0..15 at (" + std::to_string(x) + ", " +
                            std::to_string(y) + ")";
                    return false;
                }
                start_.push_back(static_cast<std::uint16_t>(kGridSize * y + x));
            }
        for (auto& row : kindOf_)
            for (int& k : row) k = -1;
        for (std::uint16_t& e : start_) {
            const PlayCell& c = b.peek(e % kGridSize, e / kGridSize);
            int& k = kindOf_[c.box][c.number];
            if (k < 0) {
                if (static_cast<int>(kinds_.size()) >= kMaxKinds) {
                    error = "too many different boxes";
                    return false;
                }
                k = static_cast<int>(kinds_.size());
                kinds_.push_back({c.box, c.number});
            }
            e = static_cast<std::uint16_t>(e | k << kCellBits);
        }
        words_ = static_cast<int>((start_.size() + 3) / 4);
        if (words_ == 0) words_ = 1;
        stride_ = 4 * words_;
        start_.resize(stride_, kPad);
        // Boxes can stand only on cells that admit one, or where they began.
        for (int i = 0; i < kCellCount; ++i)
            if (region_[i] != static_cast<std::int32_t>(RegionCode::Blue)) scan_.push_back(i);
        for (int i = 0; i < stride_ && start_[i] != kPad; ++i) {
            const int cell = start_[i] & ((1 << kCellBits) - 1);
            if (region_[cell] == static_cast<std::int32_t>(RegionCode::Blue)) scan_.push_back(cell);
        }
        std::sort(scan_.begin(), scan_.end());
        for (int i = 0; i < kCellCount; ++i) board_.setCell(i % kGridSize, i / kGridSize, region_[i], 0, 0);
        scan_.erase(std::unique(scan_.begin(), scan_.end()), scan_.end());
        return true;
    }

    // Puts `layout` on the board in both copies, numbers shifted so that the
    // next Number box to take carries 1 (init sets nextNumber to 1).
    void place(const std::uint16_t* layout, std::int32_t nextNumber) {
        board_.init(doc_.boardWidth, doc_.boardHeight);
        for (int cell : placed_) board_.setCell(cell % kGridSize, cell / kGridSize, region_[cell], 0, 0);
        placed_.clear();
        for (int i = 0; i < stride_ && layout[i] != kPad; ++i) {
            const int cell = layout[i] & ((1 << kCellBits) - 1);
            const auto& kind = kinds_[layout[i] >> kCellBits];
            const std::int32_t number = kind.box == kBoxNumber ? kind.number - (nextNumber - 1) : kind.number;
            board_.setCell(cell % kGridSize, cell / kGridSize, region_[cell], kind.box, number);
            placed_.push_back(cell);
        }
    }

    // Reads the layout after a move; numbers shifted back.
    void read(std::uint16_t* out, std::int32_t parentNext) {
        int n = 0;
        for (int cell : scan_) {
            const PlayCell& c = board_.peek(cell % kGridSize, cell / kGridSize);
            if (c.box == 0) continue;
            const std::int32_t number = c.box == kBoxNumber ? c.number + (parentNext - 1) : c.number;
            out[n++] = static_cast<std::uint16_t>(cell | kindOf_[c.box][number] << kCellBits);
            placed_.push_back(cell);
        }
        for (; n < stride_; ++n) out[n] = kPad;
    }

    Counters startCounters() const {
        return {doc_.numberOfLives, doc_.movesLeft, doc_.timeLeft, doc_.numberBoxTimeLeft,
                doc_.starBoxTimeLeft, doc_.starBoxCount, doc_.numberBoxCount, doc_.playBoard.nextNumber()};
    }

    // The outcome rules after one move and then one tick. Returns 1 won,
    // -1 lost, 0 still playing.
    int afterMoveAndTick(Counters& c, std::int32_t code) const {
        const std::int32_t tv = doc_.timeBoxTimeValue;
        if (c.moves > 0) --c.moves;
        switch (code) {
        case kCodeStar:
            if (c.stars >= 0) {
                --c.stars;
                if (c.starTime != kOff) c.starTime += tv;
            }
            break;
        case kCodeNumber:
            ++c.nextNumber;
            if (c.numbers >= 0) {
                --c.numbers;
                if (c.numberTime != kOff) c.numberTime += tv;
            }
            break;
        case kCodeTime:
            if (c.time != kOff) c.time += tv;
            if (c.numberTime != kOff) c.numberTime += tv;
            if (c.starTime != kOff) c.starTime += tv;
            break;
        case kCodeMove:
            if (c.moves != kOff) c.moves += doc_.moveBoxMoveValue;
            break;
        case kCodeHot:
        case kCodeRed:
            if (c.lives != kOff) --c.lives;
            break;
        default: break;
        }
        const bool won = c.stars == 0 && c.numbers == 0;
        if (c.lives == 0 || c.moves == 0) return -1;
        if (won) return 1;
        for (std::int32_t* v : {&c.time, &c.numberTime, &c.starTime})
            if (*v > 0 && --*v == 0) return -1;
        return 0;
    }

    SolveStatus bfs(SolveResult& result) {
        SeenSet seen;
        std::vector<std::uint16_t> layer(start_), next;
        std::vector<Counters> layerCounters{startCounters()}, nextCounters;
        std::vector<std::uint32_t> layerIds{0}, nextIds;
        parents_.push_back(0);
        lastMove_.push_back(0);
        seen.insert(hashLayout(start_.data(), words_));
        std::vector<std::uint16_t> child(stride_);

        while (!layerIds.empty()) {
            next.clear();
            nextCounters.clear();
            nextIds.clear();
            for (std::size_t s = 0; s < layerIds.size(); ++s) {
                const std::uint16_t* parent = &layer[s * stride_];
                const Counters& pc = layerCounters[s];
                ++result.expanded;
                for (int d = 1; d <= 4; ++d) {
                    place(parent, pc.nextNumber);
                    board_.moveBoxes(static_cast<Direction>(d));
                    Counters c = pc;
                    const std::int32_t code = board_.eventCode();
                    const int outcome = afterMoveAndTick(c, code);
                    read(child.data(), pc.nextNumber);
                    if (outcome == 1) {
                        finish(result, layerIds[s], d);
                        return SolveStatus::Won;
                    }
                    // A Freeze box or a Red cell gives the layout back: no gain.
                    if (outcome < 0 || code == kCodeRed || board_.eventKind() == kEventFreeze) continue;
                    if (!seen.insert(hashLayout(child.data(), words_))) continue;
                    if (parents_.size() >= options_.budget) return SolveStatus::BudgetHit;
                    nextIds.push_back(static_cast<std::uint32_t>(parents_.size()));
                    parents_.push_back(layerIds[s]);
                    lastMove_.push_back(static_cast<std::uint8_t>(d));
                    next.insert(next.end(), child.begin(), child.end());
                    nextCounters.push_back(c);
                }
            }
            layer.swap(next);
            layerCounters.swap(nextCounters);
            layerIds.swap(nextIds);
        }
        return SolveStatus::NoWin;
    }

    void finish(SolveResult& result, std::uint32_t id, int lastMove) {
        std::string reversed;
        reversed += kLetters[lastMove];
        for (; id != 0; id = parents_[id]) reversed += kLetters[lastMove_[id]];
        result.length = static_cast<int>(reversed.size());
        for (auto it = reversed.rbegin(); it != reversed.rend(); ++it) {
            result.moves += *it;
            result.moves += 'T';
        }
    }

    struct Kind {
        std::int32_t box, number;
    };

    const CZembrikDoc& doc_;
    SolveOptions options_;
    PlayBoard board_;
    std::int32_t region_[kCellCount] = {};
    std::vector<std::uint16_t> start_;
    std::vector<Kind> kinds_;
    int kindOf_[kCodeRange][kCodeRange];
    int words_ = 1, stride_ = 4;
    std::vector<int> scan_;
    std::vector<int> placed_;
    std::vector<std::uint32_t> parents_;
    std::vector<std::uint8_t> lastMove_;
};

}  // namespace

const char* solveStatusName(SolveStatus s) {
    switch (s) {
    case SolveStatus::Won: return "won";
    case SolveStatus::NoWin: return "no win found";
    case SolveStatus::BudgetHit: return "budget hit";
    case SolveStatus::Unusable: return "unusable board";
    }
    return "?";
}

SolveResult SolveDocument(const CZembrikDoc& loaded, const SolveOptions& options) {
    const auto t0 = std::chrono::steady_clock::now();
    Search search(loaded, options);
    SolveResult result = search.run();
    if (result.status == SolveStatus::Won && !ReplayMoves(loaded, result.moves).won()) {
        // The search and the rules disagree: never hand out a line that loses.
        result.status = SolveStatus::Unusable;
        result.error = "the line found does not win when replayed: " + result.moves;
        result.moves.clear();
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    return result;
}

CZembrikDoc LoadedDocument(const BoardDefinition& board) {
    BoardDefinition copy = board;
    std::istringstream in(EncodeBoard(copy));
    CZembrikDoc doc;
    doc.openAndStartRun(in);
    return doc;
}

SolveResult SolveBoard(const BoardDefinition& board, const SolveOptions& options) {
    return SolveDocument(LoadedDocument(board), options);
}

ReplayResult ReplayMoves(const CZembrikDoc& loaded, const std::string& moves) {
    ReplayResult r;
    r.doc = loaded;
    NullEffects fx;
    GameRules rules(r.doc, fx);
    r.doc.startRun(RunKind::Played);
    r.doc.gameOutcome = GameOutcome::Undecided;
    for (char c : moves) {
        if (!playMoveLetter(rules, c)) {
            r.ok = false;
            return r;
        }
    }
    return r;
}

}  // namespace vortan
