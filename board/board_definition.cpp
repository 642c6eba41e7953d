#include "board_definition.h"

#include "tr_noop.h"

namespace vortan {

const char* const kVersionText = "Version 1";

namespace {
// The names a window shows translated, in context "BoardNames".
const char* const kRegionNames[kRegionCodeCount] = {
    VORTAN_TR_NOOP("BoardNames", "Yellow"), VORTAN_TR_NOOP("BoardNames", "Blue"),
    VORTAN_TR_NOOP("BoardNames", "White"),  VORTAN_TR_NOOP("BoardNames", "Red"),
    VORTAN_TR_NOOP("BoardNames", "Green"),  VORTAN_TR_NOOP("BoardNames", "Orange")};
const char* const kBoxNames[kBoxCodeCount] = {
    VORTAN_TR_NOOP("BoardNames", "Empty"),  VORTAN_TR_NOOP("BoardNames", "Your"),
    VORTAN_TR_NOOP("BoardNames", "Free"),   VORTAN_TR_NOOP("BoardNames", "Number"),
    VORTAN_TR_NOOP("BoardNames", "Star"),   VORTAN_TR_NOOP("BoardNames", "Hot"),
    VORTAN_TR_NOOP("BoardNames", "Freeze"), VORTAN_TR_NOOP("BoardNames", "Time"),
    VORTAN_TR_NOOP("BoardNames", "Move"),   VORTAN_TR_NOOP("BoardNames", "Exception")};
const char* const kNumberNames[10] = {
    VORTAN_TR_NOOP("BoardNames", "NA"),    VORTAN_TR_NOOP("BoardNames", "One"),
    VORTAN_TR_NOOP("BoardNames", "Two"),   VORTAN_TR_NOOP("BoardNames", "Three"),
    VORTAN_TR_NOOP("BoardNames", "Four"),  VORTAN_TR_NOOP("BoardNames", "Five"),
    VORTAN_TR_NOOP("BoardNames", "Six"),   VORTAN_TR_NOOP("BoardNames", "Seven"),
    VORTAN_TR_NOOP("BoardNames", "Eight"), VORTAN_TR_NOOP("BoardNames", "Nine")};
const char* const kValueNames[BoardDefinition::kValueCount] = {
    "boardWidth", "boardHeight", "reserved1", "reserved2", "timeLimit", "moveLimit",
    "numberBoxTimeLimit", "starBoxTimeLimit", "numberOfLives", "timeBoxTimeValue",
    "moveBoxMoveValue", "starBoxCount", "numberBoxCount"};
}  // namespace

const char* regionName(std::uint32_t code) { return code < kRegionCodeCount ? kRegionNames[code] : nullptr; }
const char* boxName(std::uint32_t code) { return code < kBoxCodeCount ? kBoxNames[code] : nullptr; }
const char* numberName(std::uint32_t n) { return n < 10 ? kNumberNames[n] : nullptr; }

bool regionAdmits(RegionCode region, BoxCode box) {
    if (static_cast<std::uint32_t>(box) >= kBoxCodeCount) return false;
    if (box == BoxCode::Empty) return static_cast<std::uint32_t>(region) < kRegionCodeCount;
    switch (region) {
    case RegionCode::Yellow:
    case RegionCode::White: return true;
    case RegionCode::Blue: return false;
    case RegionCode::Red: return box != BoxCode::Your;
    case RegionCode::Green: return box == BoxCode::Your || box == BoxCode::Exception;
    case RegionCode::Orange: return box != BoxCode::Your && box != BoxCode::Exception;
    }
    return false;
}

void BoardDefinition::ResetToNewBoard() {
    versionTag = kVersionText;
    gameName = "Game";
    openingMessage = "Have Fun!";
    boardWidth = 22;
    boardHeight = 22;
    reserved1 = 0;
    reserved2 = 0;
    timeLimit = 150;
    moveLimit = 250;
    numberBoxTimeLimit = 60;
    starBoxTimeLimit = 60;
    numberOfLives = 1;
    timeBoxTimeValue = 50;
    moveBoxMoveValue = 60;
    starBoxCount = 0;
    numberBoxCount = 0;
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y)
            cells[x][y] = BoardCell{isBorder(x, y) ? RegionCode::Blue : RegionCode::White, BoxCode::Empty, 0};
}

void BoardDefinition::ClearCells() {
    for (auto& column : cells)
        for (auto& cell : column) cell = BoardCell{};
}

int BoardDefinition::CountBoxes(BoxCode code) const {
    int n = 0;
    for (const auto& column : cells)
        for (const auto& cell : column)
            if (cell.box == code) ++n;
    return n;
}

bool BoardDefinition::HasYourBox() const { return CountBoxes(BoxCode::Your) > 0; }

bool BoardDefinition::IsNumberUsed(std::uint32_t n) const {
    for (const auto& column : cells)
        for (const auto& cell : column)
            if (cell.number == n) return true;
    return false;
}

void BoardDefinition::RecountBoxes() {
    starBoxCount = static_cast<std::uint32_t>(CountBoxes(BoxCode::Star));
    numberBoxCount = static_cast<std::uint32_t>(CountBoxes(BoxCode::Number));
}

const char* BoardDefinition::valueName(int index) {
    return index >= 0 && index < kValueCount ? kValueNames[index] : nullptr;
}

}  // namespace vortan
