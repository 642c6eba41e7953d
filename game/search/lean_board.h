// The board as the search sees it: regions fixed, the boxes as a short list,
// and a move that gives the same boxes and the same event as PlayBoard's
// sweep for a board with at most one Your box.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/engine/game_state.h"

namespace vortan::search {

// Cell of a box that Your box has taken.
constexpr std::uint16_t kTakenCell = 511;
constexpr int kSlotBits = 9;
// Key words for the largest box count the search takes (every cell a box).
constexpr int kMaxKeyWords = (kCellCount * kSlotBits + 63) / 64;

struct BoxKind {
    std::int32_t box = 0;
    std::int32_t number = 0;
};

// One box before or after a move: its cell and its slot in the key.
struct LeanBox {
    std::uint16_t cell;
    std::uint16_t slot;
};

// What a move did, as far as the outcome rules care.
struct LeanMove {
    std::int32_t eventKind = 0;
    std::int32_t eventCode = 0;
    std::int32_t nextNumber = 0;  // after the move
};

// The fixed part of a board: regions, the moving area, the kinds of its
// boxes and which key slots each kind owns. Boxes of one kind are
// interchangeable, so a kind's slots hold its cells in ascending order.
class LeanBoard {
public:
    // False, with the reason, for boards it cannot stand for: more than one
    // Your box, or more boxes than a key slot can number.
    bool build(const PlayBoard& board, std::string& error);

    int slots() const { return static_cast<int>(slotKind_.size()); }
    int keyWords() const { return keyWords_; }
    const BoxKind& kindOfSlot(int slot) const { return kinds_[slotKind_[slot]]; }
    int kindCount() const { return static_cast<int>(kinds_.size()); }
    int slotKind(int slot) const { return slotKind_[slot]; }
    std::int32_t region(int cell) const { return region_[cell]; }
    int yourSlot() const { return yourSlot_; }
    // Cell a box on `cell` moves to in direction d (1..4), or -1 at the edge
    // of the moving area.
    int target(int d, int cell) const { return target_[d][cell]; }

    // The start position as a key.
    void startKey(const PlayBoard& board, std::uint64_t* key) const;

    // Boxes of a key in grid order (ascending cell index).
    int decode(const std::uint64_t* key, LeanBox* boxes) const;
    // Key of boxes whose cells may have changed (taken ones at kTakenCell):
    // each kind's cells sorted into its slots.
    void encode(const LeanBox* boxes, int count, std::uint64_t* key) const;

    // One move of `boxes` (grid order, `count` of them; cells updated in
    // place, a taken box gets kTakenCell). `grid` must hold 0 everywhere
    // and is left so. Returns the event; eventKind 4 means the move was
    // taken back and `boxes` are as before.
    LeanMove move(LeanBox* boxes, int count, Direction d, std::int32_t nextNumber, std::uint8_t* grid) const;

private:
    std::int32_t region_[kCellCount] = {};
    // Target of a box leaving cell i in direction d (1..4), or -1.
    std::int16_t target_[5][kCellCount] = {};
    std::vector<BoxKind> kinds_;
    std::vector<std::uint16_t> slotKind_;
    std::vector<std::int32_t> slotBox_;  // box code of each slot, read in every step
    std::vector<int> kindFirstSlot_;
    int keyWords_ = 1;
    int yourSlot_ = -1;
};

}  // namespace vortan::search
