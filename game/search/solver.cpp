#include "solver.h"

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <memory>
#include <sstream>
#include <thread>
#include <unordered_set>
#include <vector>

#include "board/board_file.h"
#include "game/engine/effects.h"
#include "game/engine/game_rules.h"
#include "lean_board.h"

namespace vortan {

namespace {

using search::LeanBoard;
using search::LeanBox;
using search::LeanMove;

constexpr int kMaxDepth = 255;  // depths are kept in a byte of the table entry
constexpr std::int32_t kStar = static_cast<std::int32_t>(BoxCode::Star);
constexpr std::int32_t kNumber = static_cast<std::int32_t>(BoxCode::Number);
constexpr std::int32_t kHot = static_cast<std::int32_t>(BoxCode::Hot);
constexpr std::int32_t kTime = static_cast<std::int32_t>(BoxCode::Time);
constexpr std::int32_t kMove = static_cast<std::int32_t>(BoxCode::Move);
constexpr std::int32_t kYour = static_cast<std::int32_t>(BoxCode::Your);

// The counters that decide winning and losing.
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

// 56-bit fingerprint of a key, never 0 (0 marks an empty slot).
std::uint64_t fingerprint(const std::uint64_t* key, int words) {
    std::uint64_t h = 0x243f6a8885a308d3ULL;
    for (int i = 0; i < words; ++i) h = mix(h ^ key[i]) + 0x9e3779b97f4a7c15ULL;
    h = mix(h) >> 8;
    return h ? h : 1;
}

// Visited positions: open addressing with linear probing over 8-byte
// entries, a 56-bit fingerprint and the fewest moves known to reach it.
// Two positions with one fingerprint would be taken for one; at ten
// million positions the chance is about 1e-3, and every line found is
// replayed through the rules before it is reported. The table grows by half
// when three quarters are used, so it spends 10.7 to 16 bytes a position.
class VisitedTable {
public:
    enum Insert { New, Improved, Known };

    explicit VisitedTable(std::size_t capacity) { allocate(capacity); }

    std::size_t capacity() const { return capacity_; }
    std::size_t size() const { return count_.load(std::memory_order_relaxed); }
    std::uint64_t bytes() const { return std::uint64_t(capacity_) * sizeof(std::uint64_t); }
    bool roomFor(std::size_t more) const { return 4 * (size() + more) <= 3 * capacity_; }

    Insert insert(std::uint64_t fp, int depth) {
        const std::uint64_t entry = fp << 8 | std::uint64_t(depth);
        for (std::size_t i = slotOf(fp, capacity_);; i = i + 1 == capacity_ ? 0 : i + 1) {
            std::uint64_t e = slots_[i].load(std::memory_order_relaxed);
            for (;;) {
                if (e == 0) {
                    if (slots_[i].compare_exchange_weak(e, entry, std::memory_order_relaxed)) {
                        count_.fetch_add(1, std::memory_order_relaxed);
                        return New;
                    }
                    continue;  // e now holds what another thread stored
                }
                if ((e >> 8) != fp) break;
                if (int(e & 0xFF) <= depth) return Known;
                if (slots_[i].compare_exchange_weak(e, entry, std::memory_order_relaxed)) return Improved;
            }
        }
    }

    // Fewest moves stored for the fingerprint, or -1.
    int find(std::uint64_t fp) const {
        for (std::size_t i = slotOf(fp, capacity_);; i = i + 1 == capacity_ ? 0 : i + 1) {
            const std::uint64_t e = slots_[i].load(std::memory_order_relaxed);
            if (e == 0) return -1;
            if ((e >> 8) == fp) return int(e & 0xFF);
        }
    }

    void grow(std::size_t capacity) {
        std::unique_ptr<std::atomic<std::uint64_t>[]> old = std::move(slots_);
        const std::size_t oldCapacity = capacity_;
        allocate(capacity);
        for (std::size_t j = 0; j < oldCapacity; ++j) {
            const std::uint64_t e = old[j].load(std::memory_order_relaxed);
            if (e == 0) continue;
            std::size_t i = slotOf(e >> 8, capacity_);
            while (slots_[i].load(std::memory_order_relaxed) != 0) i = i + 1 == capacity_ ? 0 : i + 1;
            slots_[i].store(e, std::memory_order_relaxed);
        }
    }

private:
    // Maps a fingerprint onto [0, capacity) by its high bits.
    static std::size_t slotOf(std::uint64_t fp, std::size_t capacity) {
        return static_cast<std::size_t>((static_cast<unsigned __int128>(fp) * capacity) >> 56);
    }
    void allocate(std::size_t capacity) {
        capacity_ = capacity;
        slots_.reset(new std::atomic<std::uint64_t>[capacity]);
        for (std::size_t i = 0; i < capacity; ++i) slots_[i].store(0, std::memory_order_relaxed);
    }

    std::unique_ptr<std::atomic<std::uint64_t>[]> slots_;
    std::size_t capacity_ = 0;
    std::atomic<std::size_t> count_{0};
};

const char kLetters[5] = {'?', 'U', 'D', 'L', 'R'};

bool liveCounter(std::int32_t v) { return v == kOff || v > 0; }

class Search {
public:
    Search(const CZembrikDoc& doc, const SolveOptions& options) : doc_(doc), options_(options), table_(std::clamp<std::uint64_t>(options.memoryBudget / 64, 1024, 1 << 15)) {}

    SolveStatus run(SolveResult& result) {
        if (!prepare(result.error)) return over_ ? SolveStatus::NoWin : SolveStatus::Unusable;
        const SolveStatus status = astar(result);
        result.states = table_.size();
        result.tableBytes = table_.bytes();
        return status;
    }

private:
    // Everything the outcome rules need at the start; the rest of a
    // position's counters follows from its boxes and its depth.
    bool prepare(std::string& error) {
        const CZembrikDoc& d = doc_;
        const bool running = d.gameState() == GameState::Playing || d.gameState() == GameState::OpeningMessage ||
                             d.gameState() == GameState::Paused || d.gameState() == GameState::DemoPlaying ||
                             d.gameState() == GameState::DemoRecording;
        if (!running || d.gameOutcome != GameOutcome::Undecided) {
            error = "the game is over";
            over_ = true;
            return false;
        }
        if (!liveCounter(d.numberOfLives) || !liveCounter(d.movesLeft) || !liveCounter(d.timeLeft) ||
            !liveCounter(d.numberBoxTimeLeft) || !liveCounter(d.starBoxTimeLeft)) {
            error = "a limit of the position has already run out";
            over_ = true;
            return false;
        }
        if (!lean_.build(d.playBoard, error)) return false;
        words_ = lean_.keyWords();
        start_ = {d.numberOfLives, d.movesLeft, d.timeLeft, d.numberBoxTimeLeft,
                  d.starBoxTimeLeft, d.starBoxCount, d.numberBoxCount, d.playBoard.nextNumber()};
        startKey_.assign(words_, 0);
        lean_.startKey(d.playBoard, startKey_.data());
        LeanBox boxes[256];
        const int n = lean_.decode(startKey_.data(), boxes);
        startTally_ = tally(boxes, n);
        prepareStopDistances();
        return true;
    }

    // Two boxes change their offset only in a move that stops one of them,
    // and a box stops only where a line of at most k other boxes reaches a
    // cell that lets some box no further (a wall, Green, Orange, the edge).
    // stopDistance_[k][c]: cells from c to the nearest place where a box can
    // be stopped with k other boxes on the board.
    void prepareStopDistances() {
        int gap[5][kCellCount];
        for (int d = 1; d <= 4; ++d)
            for (int c = 0; c < kCellCount; ++c) {
                int n = 0;
                for (int at = c;; ++n) {
                    const int t = lean_.target(d, at);
                    const std::int32_t r = t < 0 ? 1 : lean_.region(t);
                    if (t < 0 || (r != 0 && r != 2 && r != 3)) break;
                    at = t;
                }
                gap[d][c] = n;
            }
        for (int k = 0; k <= kStopBoxes; ++k)
            for (int axis = 0; axis < 2; ++axis) {
            // Axis 0: stopped moving Left or Right; axis 1: Up or Down.
            std::uint8_t* dist = stopDistance_[axis][k];
            std::vector<int> queue;
            for (int c = 0; c < kCellCount; ++c) {
                const bool stops = axis == 0 ? gap[3][c] <= k || gap[4][c] <= k : gap[1][c] <= k || gap[2][c] <= k;
                dist[c] = stops ? 0 : 255;
                if (stops) queue.push_back(c);
            }
            for (std::size_t q = 0; q < queue.size(); ++q) {
                const int c = queue[q], x = c % kGridSize, y = c / kGridSize;
                const int next[4] = {x > 0 ? c - 1 : -1, x + 1 < kGridSize ? c + 1 : -1, y > 0 ? c - kGridSize : -1,
                                     y + 1 < kGridSize ? c + kGridSize : -1};
                for (int m : next)
                    if (m >= 0 && dist[m] == 255) {
                        dist[m] = static_cast<std::uint8_t>(dist[c] + 1);
                        queue.push_back(m);
                    }
            }
        }
    }

    // Moves before Your box and a box at `cell` can have met, `others` other
    // boxes on the board: every unit of their Manhattan distance needs a
    // move that stops one of the two, and none can before one of them has
    // reached a place where it can be stopped.
    int meetBound(int your, int cell, int others) const {
        const int dx = std::abs(cell % kGridSize - your % kGridSize), dy = std::abs(cell / kGridSize - your / kGridSize);
        if (others > kStopBoxes) return dx + dy;
        // Columns close only in moves that stop one of the two sideways, rows
        // only in moves that stop one of them upward or downward.
        const int toH = std::min(stopDistance_[0][others][your], stopDistance_[0][others][cell]);
        const int toV = std::min(stopDistance_[1][others][your], stopDistance_[1][others][cell]);
        int bound = dx + dy + std::min(dx ? toH : 255, dy ? toV : 255);
        if (dx) bound = std::max(bound, dx + toH);
        if (dy) bound = std::max(bound, dy + toV);
        return bound;
    }

    struct Tally {
        int stars = 0, numbers = 0, hot = 0, time = 0, move = 0, your = -1;
    };
    Tally tally(const LeanBox* boxes, int n) const {
        Tally t;
        for (int i = 0; i < n; ++i) {
            switch (lean_.kindOfSlot(boxes[i].slot).box) {
            case kStar: ++t.stars; break;
            case kNumber: ++t.numbers; break;
            case kHot: ++t.hot; break;
            case kTime: ++t.time; break;
            case kMove: ++t.move; break;
            case kYour: t.your = boxes[i].cell; break;
            default: break;
            }
        }
        return t;
    }

    // The counters of a position `depth` moves (and ticks) after the start.
    Counters counters(const Tally& now, int depth) const {
        const Counters& s = start_;
        const int ts = startTally_.stars - now.stars, tn = startTally_.numbers - now.numbers;
        const int tt = startTally_.time - now.time, tm = startTally_.move - now.move;
        const int th = startTally_.hot - now.hot;
        const std::int32_t tv = doc_.timeBoxTimeValue;
        const int effS = s.stars >= 0 ? std::min(ts, s.stars + 1) : 0;
        const int effN = s.numbers >= 0 ? std::min(tn, s.numbers + 1) : 0;
        Counters c;
        c.stars = s.stars >= 0 ? std::max(s.stars - ts, -1) : s.stars;
        c.numbers = s.numbers >= 0 ? std::max(s.numbers - tn, -1) : s.numbers;
        c.nextNumber = s.nextNumber + tn;
        c.lives = s.lives == kOff ? kOff : s.lives - th;
        c.moves = s.moves == kOff ? kOff : s.moves - depth + doc_.moveBoxMoveValue * tm;
        c.time = s.time == kOff ? kOff : s.time + tv * tt - depth;
        c.numberTime = s.numberTime == kOff ? kOff : s.numberTime + tv * (effN + tt) - depth;
        c.starTime = s.starTime == kOff ? kOff : s.starTime + tv * (effS + tt) - depth;
        return c;
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

    // A lower bound on the moves still needed to win, or -1 when no win is
    // left: each move takes at most one box, and every box still to be taken
    // is at least its meetBound away. It falls by at most one a move, so the
    // first time a position is expanded it has been reached by fewest moves.
    // Limits that nothing can extend any more cut positions that cannot last
    // that long.
    int lowerBound(const LeanBox* boxes, int n, const Tally& t, const Counters& c) const {
        if (c.stars < 0 || c.numbers < 0) return -1;
        if (c.stars > t.stars) return -1;
        if ((c.stars > 0 || c.numbers > 0) && t.your < 0) return -1;
        int bound = c.stars + c.numbers;
        if (t.your >= 0) {
            int nearestStar = 1 << 20, farthestStar = 0;
            int numberDist[16];
            const int needN = std::min<std::int32_t>(c.numbers, 16);
            for (int k = 0; k < needN; ++k) numberDist[k] = -1;
            for (int i = 0; i < n; ++i) {
                const search::BoxKind& k = lean_.kindOfSlot(boxes[i].slot);
                if (k.box != kStar && k.box != kNumber) continue;
                const int dist = meetBound(t.your, boxes[i].cell, n - 2);
                if (k.box == kStar) {
                    nearestStar = std::min(nearestStar, dist);
                    farthestStar = std::max(farthestStar, dist);
                } else {
                    const std::int64_t rank = std::int64_t(k.number) - c.nextNumber;
                    if (rank >= 0 && rank < needN && (numberDist[rank] < 0 || dist < numberDist[rank]))
                        numberDist[rank] = dist;
                }
            }
            if (c.stars > 0) bound = std::max(bound, c.stars == t.stars ? farthestStar : nearestStar);
            for (int k = 0; k < needN; ++k) {
                if (numberDist[k] < 0) return -1;  // a number still needed is gone
                bound = std::max(bound, numberDist[k]);
            }
        }
        const std::int32_t tv = doc_.timeBoxTimeValue;
        const bool timeCanGrow = tv > 0 && t.time > 0;
        if (c.moves != kOff && !(doc_.moveBoxMoveValue > 0 && t.move > 0) && bound >= c.moves) return -1;
        if (c.time != kOff && !timeCanGrow && bound > c.time) return -1;
        if (c.numberTime != kOff && !timeCanGrow && !(tv > 0 && c.numbers > 0) && bound > c.numberTime) return -1;
        if (c.starTime != kOff && !timeCanGrow && !(tv > 0 && c.stars > 0) && bound > c.starTime) return -1;
        return bound;
    }

    // Per-thread scratch for expanding positions.
    struct Worker {
        std::uint8_t grid[kCellCount] = {};
        LeanBox boxes[256];
        LeanBox child[256];
        std::uint64_t key[search::kMaxKeyWords];
        // Children: f, then the key words.
        std::vector<std::uint64_t> out;
        std::uint64_t generated = 0, expanded = 0;
        std::size_t winAt = SIZE_MAX;
        int winMove = 0;
    };

    // Tries the four moves of each position in entries [begin, end) of a
    // bucket at `depth`; new or improved children go to w.out.
    void expandRange(const std::vector<std::uint64_t>& bucket, std::size_t begin, std::size_t end, int depth,
                     Worker& w) {
        for (std::size_t e = begin; e < end; ++e) {
            if (((e - begin) & 255) == 0 && cancelled()) return;
            const std::uint64_t* key = &bucket[e * words_];
            if (table_.find(fingerprint(key, words_)) < depth) continue;  // reached sooner since
            ++w.expanded;
            const int n = lean_.decode(key, w.boxes);
            const Counters base = counters(tally(w.boxes, n), depth);
            for (int d = 1; d <= 4; ++d) {
                std::copy(w.boxes, w.boxes + n, w.child);
                const LeanMove m = lean_.move(w.child, n, static_cast<Direction>(d), base.nextNumber, w.grid);
                ++w.generated;
                // A Freeze box or a Red cell gives the layout back: no gain.
                if (m.eventKind == kEventFreeze || m.eventCode == kCodeRed) continue;
                Counters c = base;
                c.nextNumber = m.nextNumber;
                const int outcome = afterMoveAndTick(c, m.eventCode);
                if (outcome == 1) {
                    if (e < w.winAt) {
                        w.winAt = e;
                        w.winMove = d;
                    }
                    return;
                }
                if (outcome < 0) continue;
                if (depth + 1 > kMaxDepth) {
                    tooDeep_.store(true, std::memory_order_relaxed);
                    continue;
                }
                int kept = 0;
                for (int i = 0; i < n; ++i)
                    if (w.child[i].cell != search::kTakenCell) w.child[kept++] = w.child[i];
                const int bound = lowerBound(w.child, kept, tally(w.child, kept), c);
                if (bound < 0) continue;
                lean_.encode(w.child, kept, w.key);
                if (table_.insert(fingerprint(w.key, words_), depth + 1) == VisitedTable::Known) continue;
                w.out.push_back(std::uint64_t(depth + 1 + bound));
                w.out.insert(w.out.end(), w.key, w.key + words_);
            }
        }
    }

    std::string budgetMessage() const {
        const std::uint64_t b = options_.memoryBudget;
        const std::string size = b % (1u << 30) == 0   ? std::to_string(b >> 30) + " GiB"
                                 : b % (1u << 20) == 0 ? std::to_string(b >> 20) + " MiB"
                                                       : std::to_string(b >> 10) + " KiB";
        return "the memory budget of " + size + " was reached after " + std::to_string(table_.size()) +
               " positions";
    }

    bool cancelled() const { return options_.cancel && options_.cancel->load(std::memory_order_relaxed); }

    std::uint64_t openBytes() const { return openWords_ * sizeof(std::uint64_t); }

    std::vector<std::uint64_t>& bucket(int f, int g) {
        if (static_cast<int>(open_.size()) <= f) open_.resize(f + 1);
        auto& row = open_[f];
        if (static_cast<int>(row.size()) <= g) row.resize(g + 1);
        return row[g];
    }

    void push(int f, int g, const std::uint64_t* key) {
        if (f < fLow_) fLow_ = f;  // a bound that is not consistent must not lose positions
        auto& b = bucket(f, g);
        const std::size_t before = b.capacity();
        b.insert(b.end(), key, key + words_);
        openWords_ += b.capacity() - before;
    }

    // The bucket with the least f, and within it the most moves made.
    bool nextBucket(int& f, int& g) {
        for (; fLow_ < static_cast<int>(open_.size()); ++fLow_) {
            auto& row = open_[fLow_];
            for (int k = static_cast<int>(row.size()) - 1; k >= 0; --k)
                if (!row[k].empty()) {
                    f = fLow_;
                    g = k;
                    return true;
                }
        }
        return false;
    }

    SolveStatus astar(SolveResult& result) {
        const std::vector<Worker>::size_type threads = std::max(1, std::min(options_.threads, 8));
        std::vector<Worker> workers(threads);
        LeanBox boxes[256];
        const int n0 = lean_.decode(startKey_.data(), boxes);
        const int h0 = lowerBound(boxes, n0, startTally_, start_);
        // Stored counts of zero are won by any first move that loses nothing.
        if (h0 < 0) return finish(result, workers, SolveStatus::NoWin);
        table_.insert(fingerprint(startKey_.data(), words_), 0);
        push(std::max(h0, 0), 0, startKey_.data());

        int f = 0, g = 0;
        std::uint64_t peak = 0;
        while (nextBucket(f, g)) {
            std::vector<std::uint64_t> batch;
            batch.swap(open_[f][g]);
            openWords_ -= batch.capacity();
            const std::size_t count = batch.size() / words_;
            for (std::size_t begin = 0, chunk = 0; begin < count; begin += chunk) {
                // Small enough that the children of one chunk cannot pass the budget.
                const std::uint64_t used = table_.bytes() + openBytes() + batch.capacity() * sizeof(std::uint64_t);
                const std::uint64_t left = options_.memoryBudget > used ? options_.memoryBudget - used : 0;
                chunk = std::clamp<std::uint64_t>(left / (64 * sizeof(std::uint64_t) * (words_ + 1)), 1, 16384);
                if (cancelled()) return finish(result, workers, SolveStatus::Cancelled);
                const std::size_t end = std::min(count, begin + chunk);
                if (!table_.roomFor(4 * (end - begin))) {
                    std::size_t capacity = table_.capacity();
                    while (4 * (table_.size() + 4 * (end - begin)) > 3 * capacity) capacity += capacity / 2;
                    const std::uint64_t need = capacity * sizeof(std::uint64_t) + table_.bytes() + openBytes() +
                                               batch.capacity() * sizeof(std::uint64_t);
                    if (need > options_.memoryBudget) {
                        result.error = budgetMessage();
                        return finish(result, workers, SolveStatus::BudgetHit);
                    }
                    table_.grow(capacity);
                }
                if (threads > 1 && end - begin >= 2048) {
                    std::vector<std::thread> pool;
                    const std::size_t per = (end - begin + threads - 1) / threads;
                    for (std::size_t t = 1; t < threads; ++t) {
                        const std::size_t b = std::min(end, begin + t * per), e = std::min(end, b + per);
                        pool.emplace_back([&, b, e, t] { expandRange(batch, b, e, g, workers[t]); });
                    }
                    expandRange(batch, begin, std::min(end, begin + per), g, workers[0]);
                    for (auto& th : pool) th.join();
                } else {
                    expandRange(batch, begin, end, g, workers[0]);
                }
                // Children in the order of their parents, whichever thread.
                std::size_t winAt = SIZE_MAX;
                int winMove = 0;
                for (Worker& w : workers) {
                    for (std::size_t i = 0; i < w.out.size(); i += words_ + 1)
                        push(static_cast<int>(w.out[i]), g + 1, &w.out[i + 1]);
                    w.out.clear();
                    if (w.winAt < winAt) {
                        winAt = w.winAt;
                        winMove = w.winMove;
                    }
                    w.winAt = SIZE_MAX;
                }
                peak = std::max(peak, table_.bytes() + openBytes() + batch.capacity() * sizeof(std::uint64_t));
                result.peakBytes = peak;
                if (winAt != SIZE_MAX) {
                    finish(result, workers, SolveStatus::Won);
                    if (!tracePath(&batch[winAt * words_], g, f, winMove, result.moves)) {
                        result.error = "the winning line could not be traced back";
                        return SolveStatus::Unusable;
                    }
                    result.length = g + 1;
                    return SolveStatus::Won;
                }
                if (cancelled()) return finish(result, workers, SolveStatus::Cancelled);
                if (options_.budget && table_.size() >= options_.budget) {
                    result.error = "the cap of " + std::to_string(options_.budget) + " positions was reached";
                    return finish(result, workers, SolveStatus::BudgetHit);
                }
                if (table_.bytes() + openBytes() > options_.memoryBudget) {
                    result.error = budgetMessage();
                    return finish(result, workers, SolveStatus::BudgetHit);
                }
            }
        }
        if (tooDeep_.load()) {
            result.error = "wins longer than " + std::to_string(kMaxDepth) + " moves are not searched";
            return finish(result, workers, SolveStatus::BudgetHit);
        }
        return finish(result, workers, SolveStatus::NoWin);
    }

    SolveStatus finish(SolveResult& result, const std::vector<Worker>& workers, SolveStatus status) const {
        result.expanded = 0;
        result.generated = 0;
        for (const Worker& w : workers) {
            result.expanded += w.expanded;
            result.generated += w.generated;
        }
        return status;
    }

    // False when some box of the goal is further than `moves` from every box
    // of its kind in `boxes` (boxes move a cell a move and never come back).
    bool canStillReach(const LeanBox* boxes, int n, const LeanBox* goal, int goalCount, int moves) const {
        for (int g = 0; g < goalCount; ++g) {
            const int kind = lean_.slotKind(goal[g].slot), gx = goal[g].cell % kGridSize, gy = goal[g].cell / kGridSize;
            bool near = false;
            for (int i = 0; i < n && !near; ++i)
                near = lean_.slotKind(boxes[i].slot) == kind &&
                       std::abs(boxes[i].cell % kGridSize - gx) + std::abs(boxes[i].cell / kGridSize - gy) <= moves;
            if (!near) return false;
        }
        return true;
    }

    // Sum over the goal's boxes of the distance to the nearest box of its
    // kind: the walk back tries the children closest to the goal first.
    int distanceToGoal(const LeanBox* boxes, int n, const LeanBox* goal, int goalCount) const {
        int sum = 0;
        for (int g = 0; g < goalCount; ++g) {
            const int kind = lean_.slotKind(goal[g].slot), gx = goal[g].cell % kGridSize, gy = goal[g].cell / kGridSize;
            int best = 1 << 20;
            for (int i = 0; i < n; ++i)
                if (lean_.slotKind(boxes[i].slot) == kind)
                    best = std::min(best, std::abs(boxes[i].cell % kGridSize - gx) +
                                              std::abs(boxes[i].cell / kGridSize - gy));
            sum += best;
        }
        return sum;
    }

    // Finds the moves from the start to `target` (stored at `depth`) by a
    // depth-first walk over stored positions, each at the depth the table
    // gives it, nearest to the goal first; then adds the winning move.
    bool tracePath(const std::uint64_t* target, int depth, int fLimit, int lastMove, std::string& moves) {
        const std::vector<std::uint64_t> goal(target, target + words_);
        struct Child {
            int score, move;
            std::vector<std::uint64_t> key;
        };
        struct Frame {
            std::vector<std::uint64_t> key;
            std::vector<Child> children;  // best last
            int move = 0;                 // the move to the frame above
        };
        std::vector<Frame> stack;
        std::unordered_set<std::uint64_t> seen;
        LeanBox goalBoxes[256];
        const int goalCount = lean_.decode(goal.data(), goalBoxes);
        Worker w;
        auto open = [&](std::vector<std::uint64_t> key) {
            Frame f;
            f.key = std::move(key);
            const int d = static_cast<int>(stack.size());
            if (d < depth) {
                const int n = lean_.decode(f.key.data(), w.boxes);
                const Counters base = counters(tally(w.boxes, n), d);
                for (int move = 1; move <= 4; ++move) {
                    std::copy(w.boxes, w.boxes + n, w.child);
                    const LeanMove m = lean_.move(w.child, n, static_cast<Direction>(move), base.nextNumber, w.grid);
                    if (m.eventKind == kEventFreeze || m.eventCode == kCodeRed) continue;
                    Counters c = base;
                    c.nextNumber = m.nextNumber;
                    if (afterMoveAndTick(c, m.eventCode) != 0) continue;
                    int kept = 0;
                    for (int i = 0; i < n; ++i)
                        if (w.child[i].cell != search::kTakenCell) w.child[kept++] = w.child[i];
                    const int bound = lowerBound(w.child, kept, tally(w.child, kept), c);
                    if (bound < 0 || d + 1 + bound > fLimit) continue;
                    if (!canStillReach(w.child, kept, goalBoxes, goalCount, depth - d - 1)) continue;
                    lean_.encode(w.child, kept, w.key);
                    const std::uint64_t fp = fingerprint(w.key, words_);
                    if (table_.find(fp) != d + 1 || seen.count(fp)) continue;
                    f.children.push_back({distanceToGoal(w.child, kept, goalBoxes, goalCount), move,
                                          std::vector<std::uint64_t>(w.key, w.key + words_)});
                }
                std::sort(f.children.begin(), f.children.end(),
                          [](const Child& a, const Child& b) { return a.score > b.score; });
            }
            stack.push_back(std::move(f));
        };
        open(startKey_);
        while (!stack.empty()) {
            Frame& top = stack.back();
            if (static_cast<int>(stack.size()) - 1 == depth && top.key == goal) break;
            if (top.children.empty()) {
                stack.pop_back();
                continue;
            }
            Child next = std::move(top.children.back());
            top.children.pop_back();
            if (!seen.insert(fingerprint(next.key.data(), words_)).second) continue;
            top.move = next.move;
            open(std::move(next.key));
        }
        if (stack.empty()) return false;
        moves.clear();
        for (std::size_t i = 0; i + 1 < stack.size(); ++i) {
            moves += kLetters[stack[i].move];
            moves += 'T';
        }
        moves += kLetters[lastMove];
        moves += 'T';
        return true;
    }

    const CZembrikDoc& doc_;
    SolveOptions options_;
    VisitedTable table_;
    LeanBoard lean_;
    int words_ = 1;
    Counters start_{};
    Tally startTally_;
    std::vector<std::uint64_t> startKey_;
    std::vector<std::vector<std::vector<std::uint64_t>>> open_;
    std::uint64_t openWords_ = 0;
    int fLow_ = 0;
    bool over_ = false;
    static constexpr int kStopBoxes = 15;
    std::uint8_t stopDistance_[2][kStopBoxes + 1][kCellCount] = {};
    mutable std::atomic<bool> tooDeep_{false};
};

}  // namespace

const char* solveStatusName(SolveStatus s) {
    switch (s) {
    case SolveStatus::Won: return "won";
    case SolveStatus::NoWin: return "no win found";
    case SolveStatus::BudgetHit: return "budget hit";
    case SolveStatus::Cancelled: return "cancelled";
    case SolveStatus::Unusable: return "unusable position";
    }
    return "?";
}

SolveResult SolveDocument(const CZembrikDoc& position, const SolveOptions& options) {
    const auto t0 = std::chrono::steady_clock::now();
    SolveResult result;
    {
        Search search(position, options);
        result.status = search.run(result);
    }
    if (result.status == SolveStatus::Won && !ReplayMoves(position, result.moves).won()) {
        // The search and the rules disagree: never hand out a line that loses.
        result.status = SolveStatus::Unusable;
        result.error = "the line found does not win when replayed: " + result.moves;
        result.moves.clear();
        result.length = 0;
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    return result;
}

CZembrikDoc LoadedDocument(const BoardDefinition& board) {
    BoardDefinition copy = board;
    std::istringstream in(EncodeBoard(copy));
    CZembrikDoc doc;
    doc.openRun(in);
    return doc;
}

SolveResult SolveBoard(const BoardDefinition& board, const SolveOptions& options) {
    return SolveDocument(LoadedDocument(board), options);
}

HintResult FindHint(const CZembrikDoc& game, const SolveOptions& options) {
    HintResult hint;
    const SolveResult r = SolveDocument(game, options);
    hint.status = r.status;
    switch (r.status) {
    case SolveStatus::Won: {
        const char first = r.moves.empty() ? '?' : r.moves[0];
        for (int d = 1; d <= 4; ++d)
            if (kLetters[d] == first) hint.move = static_cast<Direction>(d);
        hint.movesToWin = r.length;
        hint.message = std::string(directionName(hint.move)) + ": a win in " + std::to_string(r.length) +
                       (r.length == 1 ? " move." : " moves.");
        break;
    }
    case SolveStatus::NoWin: hint.message = "No winning line from here."; break;
    case SolveStatus::BudgetHit: hint.message = "No hint: " + r.error + "."; break;
    case SolveStatus::Cancelled: hint.message = "The hint was cancelled."; break;
    case SolveStatus::Unusable: hint.message = "No hint for this board: " + r.error + "."; break;
    }
    return hint;
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
