// The board as designed and stored: three texts, thirteen values and a
// 22 x 22 grid of cells. Shared by the game and the designer; no play rules.
#pragma once

#include <cstdint>
#include <string>

#include "board_values.h"

namespace vortan {

constexpr int kGridSize = 22;
constexpr int kCellCount = kGridSize * kGridSize;

// Codes as stored in board files. A loaded file may hold values outside
// these tables; they are kept as read, so every consumer must range-check.
enum class RegionCode : std::uint32_t { Yellow = 0, Blue = 1, White = 2, Red = 3, Green = 4, Orange = 5 };
enum class BoxCode : std::uint32_t {
    Empty = 0, Your = 1, Free = 2, Number = 3, Star = 4,
    Hot = 5, Freeze = 6, Time = 7, Move = 8, Exception = 9
};

constexpr std::uint32_t kRegionCodeCount = 6;
constexpr std::uint32_t kBoxCodeCount = 10;

extern const char* const kVersionText;  // "Version 1"

// Names shown by the designer's cell report and menus; nullptr out of range.
const char* regionName(std::uint32_t code);
const char* boxName(std::uint32_t code);
const char* numberName(std::uint32_t number);

// Whether a region may hold a box (the placement table).
bool regionAdmits(RegionCode region, BoxCode box);

struct BoardCell {
    RegionCode region = RegionCode::White;
    BoxCode box = BoxCode::Empty;
    std::uint32_t number = 0;

    bool operator==(const BoardCell& o) const {
        return region == o.region && box == o.box && number == o.number;
    }
    bool operator!=(const BoardCell& o) const { return !(*this == o); }
};

// The thirteen values (boardWidth ... numberBoxCount) come from BoardValues.
struct BoardDefinition : BoardValues<std::uint32_t> {
    std::string versionTag;
    std::string gameName;
    std::string openingMessage;

    // cells[x][y]: column first, as the file stores them.
    BoardCell cells[kGridSize][kGridSize];

    BoardDefinition() { ResetToNewBoard(); }

    void ResetToNewBoard();
    void ClearCells();

    BoardCell& Cell(int x, int y) { return cells[x][y]; }
    const BoardCell& Cell(int x, int y) const { return cells[x][y]; }

    int CountBoxes(BoxCode code) const;
    bool HasYourBox() const;
    bool IsNumberUsed(std::uint32_t n) const;
    void RecountBoxes();

    // The names of the thirteen values, in file order, for the tools.
    static const char* valueName(int index);

    static bool isBorder(int x, int y) {
        return x == 0 || y == 0 || x == kGridSize - 1 || y == kGridSize - 1;
    }
};

}  // namespace vortan
