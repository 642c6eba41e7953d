#include "lean_board.h"

#include <algorithm>
#include <map>
#include <utility>

namespace vortan::search {

namespace {

constexpr std::int32_t kYour = static_cast<std::int32_t>(BoxCode::Your);
constexpr std::int32_t kException = static_cast<std::int32_t>(BoxCode::Exception);
constexpr int kMaxBoxes = 255;  // the move's grid numbers boxes in a byte

template <typename T, typename Less>
void insertionSort(T* a, int n, Less less) {
    for (int i = 1; i < n; ++i) {
        T v = a[i];
        int j = i - 1;
        for (; j >= 0 && less(v, a[j]); --j) a[j + 1] = a[j];
        a[j + 1] = v;
    }
}

}  // namespace

bool LeanBoard::build(const PlayBoard& board, std::string& error) {
    const int w = std::clamp<std::int32_t>(board.width(), 0, kGridSize);
    const int h = std::clamp<std::int32_t>(board.height(), 0, kGridSize);
    std::map<std::pair<std::int32_t, std::int32_t>, int> counts;
    int yours = 0, boxes = 0;
    for (int i = 0; i < kCellCount; ++i) {
        const PlayCell& c = board.peek(i % kGridSize, i / kGridSize);
        region_[i] = c.region;
        if (c.box == 0) continue;
        ++counts[{c.box, c.number}];
        ++boxes;
        if (c.box == kYour) ++yours;
    }
    if (yours > 1) {
        error = "the board has " + std::to_string(yours) + " Your boxes; the search takes at most one";
        return false;
    }
    if (boxes > kMaxBoxes) {
        error = "the board has " + std::to_string(boxes) + " boxes; the search takes at most " +
                std::to_string(kMaxBoxes);
        return false;
    }
    kinds_.clear();
    slotKind_.clear();
    kindFirstSlot_.clear();
    yourSlot_ = -1;
    for (const auto& [kind, n] : counts) {
        kindFirstSlot_.push_back(static_cast<int>(slotKind_.size()));
        if (kind.first == kYour) yourSlot_ = static_cast<int>(slotKind_.size());
        for (int k = 0; k < n; ++k) slotKind_.push_back(static_cast<std::uint16_t>(kinds_.size()));
        kinds_.push_back({kind.first, kind.second});
    }
    kindFirstSlot_.push_back(static_cast<int>(slotKind_.size()));
    slotBox_.clear();
    for (std::uint16_t k : slotKind_) slotBox_.push_back(kinds_[k].box);
    keyWords_ = std::max(1, (slots() * kSlotBits + 63) / 64);

    for (int i = 0; i < kCellCount; ++i) {
        const int x = i % kGridSize, y = i / kGridSize;
        const bool inside = x < w && y < h;
        target_[0][i] = -1;
        target_[1][i] = static_cast<std::int16_t>(inside && y >= 1 ? i - kGridSize : -1);
        target_[2][i] = static_cast<std::int16_t>(inside && y + 1 <= h - 1 ? i + kGridSize : -1);
        target_[3][i] = static_cast<std::int16_t>(inside && x >= 1 ? i - 1 : -1);
        target_[4][i] = static_cast<std::int16_t>(inside && x + 1 <= w - 1 ? i + 1 : -1);
    }
    return true;
}

void LeanBoard::startKey(const PlayBoard& board, std::uint64_t* key) const {
    LeanBox boxes[kMaxBoxes];
    int n = 0;
    std::vector<int> used(kinds_.size(), 0);
    for (int i = 0; i < kCellCount; ++i) {
        const PlayCell& c = board.peek(i % kGridSize, i / kGridSize);
        if (c.box == 0) continue;
        int k = 0;
        while (kinds_[k].box != c.box || kinds_[k].number != c.number) ++k;
        boxes[n++] = {static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(kindFirstSlot_[k] + used[k]++)};
    }
    encode(boxes, n, key);
}

int LeanBoard::decode(const std::uint64_t* key, LeanBox* boxes) const {
    int n = 0;
    const int count = slots();
    for (int s = 0; s < count; ++s) {
        const int bit = s * kSlotBits;
        std::uint64_t v = key[bit >> 6] >> (bit & 63);
        if ((bit & 63) + kSlotBits > 64) v |= key[(bit >> 6) + 1] << (64 - (bit & 63));
        const auto cell = static_cast<std::uint16_t>(v & ((1u << kSlotBits) - 1));
        if (cell != kTakenCell) boxes[n++] = {cell, static_cast<std::uint16_t>(s)};
    }
    insertionSort(boxes, n, [](const LeanBox& a, const LeanBox& b) { return a.cell < b.cell; });
    return n;
}

void LeanBoard::encode(const LeanBox* boxes, int count, std::uint64_t* key) const {
    std::uint16_t cells[kMaxBoxes];
    const int total = slots();
    for (int s = 0; s < total; ++s) cells[s] = kTakenCell;
    for (int i = 0; i < count; ++i) cells[boxes[i].slot] = boxes[i].cell;
    const int kinds = kindCount();
    for (int k = 0; k < kinds; ++k) {
        const int first = kindFirstSlot_[k], n = kindFirstSlot_[k + 1] - first;
        if (n > 1) insertionSort(cells + first, n, [](std::uint16_t a, std::uint16_t b) { return a < b; });
    }
    for (int i = 0; i < keyWords_; ++i) key[i] = 0;
    for (int s = 0; s < total; ++s) {
        const int bit = s * kSlotBits;
        key[bit >> 6] |= std::uint64_t(cells[s]) << (bit & 63);
        if ((bit & 63) + kSlotBits > 64) key[(bit >> 6) + 1] |= std::uint64_t(cells[s]) >> (64 - (bit & 63));
    }
}

LeanMove LeanBoard::move(LeanBox* boxes, int count, Direction d, std::int32_t nextNumber, std::uint8_t* grid) const {
    LeanMove result;
    result.nextNumber = nextNumber;
    std::uint16_t before[kMaxBoxes];
    for (int i = 0; i < count; ++i) {
        before[i] = boxes[i].cell;
        grid[boxes[i].cell] = static_cast<std::uint8_t>(i + 1);
    }
    const std::int16_t* target = target_[static_cast<int>(d)];
    bool frozen = false;

    auto step = [&](int i) {
        const int s = boxes[i].cell;
        if (s == kTakenCell) return;
        const int t = target[s];
        if (t < 0) return;
        const std::int32_t sb = slotBox_[boxes[i].slot];
        const int occupant = grid[t];
        auto shift = [&] {
            grid[t] = static_cast<std::uint8_t>(i + 1);
            grid[s] = 0;
            boxes[i].cell = static_cast<std::uint16_t>(t);
        };
        auto take = [&](std::int32_t kind, std::int32_t code) {
            boxes[occupant - 1].cell = kTakenCell;
            shift();
            result.eventKind = kind;
            result.eventCode = code;
        };
        switch (region_[t]) {
        case 0:  // Yellow: Your box takes what it may
            if (!occupant) {
                shift();
            } else if (sb == kYour) {
                const BoxKind& tk = kinds_[slotKind_[boxes[occupant - 1].slot]];
                switch (static_cast<BoxCode>(tk.box)) {
                case BoxCode::Star: take(kEventStar, kCodeStar); break;
                case BoxCode::Number:
                    if (tk.number == result.nextNumber) {
                        take(kEventNumber, kCodeNumber);
                        ++result.nextNumber;
                    }
                    break;
                case BoxCode::Hot: take(kEventHit, kCodeHot); break;
                case BoxCode::Freeze: frozen = true; break;
                case BoxCode::Time: take(kEventTime, kCodeTime); break;
                case BoxCode::Move: take(kEventMove, kCodeMove); break;
                default: break;
                }
            }
            break;
        case 2:  // White: nothing is taken but a Hot box
            if (!occupant) {
                shift();
            } else if (sb == kYour) {
                const std::int32_t tb = slotBox_[boxes[occupant - 1].slot];
                if (tb == static_cast<std::int32_t>(BoxCode::Hot))
                    take(kEventHit, kCodeHot);
                else if (tb == static_cast<std::int32_t>(BoxCode::Freeze))
                    frozen = true;
            }
            break;
        case 3:  // Red
            if (!occupant) {
                shift();
                if (sb == kYour) {
                    result.eventKind = kEventHit;
                    result.eventCode = kCodeRed;
                }
            }
            break;
        case 4:  // Green
            if (!occupant && (sb == kYour || sb == kException)) shift();
            break;
        case 5:  // Orange
            if (!occupant && sb != kYour && sb != kException) shift();
            break;
        default: break;  // Blue and unknown regions let nothing in
        }
    };

    // The sweep starts at the edge the boxes move toward. Rows (or columns)
    // never meet in one move and only Your box makes events, so visiting
    // all cells in one index order is the engine's order where it matters.
    if (d == Direction::Up || d == Direction::Left) {
        for (int i = 0; i < count && !frozen; ++i) step(i);
    } else {
        for (int i = count - 1; i >= 0 && !frozen; --i) step(i);
    }
    for (int i = 0; i < count; ++i)
        if (boxes[i].cell != kTakenCell) grid[boxes[i].cell] = 0;
    if (frozen) {
        for (int i = 0; i < count; ++i) boxes[i].cell = before[i];
        result = LeanMove{};
        result.eventKind = kEventFreeze;
        result.nextNumber = nextNumber;
    }
    return result;
}

}  // namespace vortan::search
