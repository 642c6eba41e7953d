#include "placement_rules.h"

namespace vortan::designer {

namespace {

constexpr MessageIcon kWarn = MessageIcon::Exclamation;

const Message kMessages[16] = {
    {"This Region can't be modified!", "Invalid placement", kWarn},
    {"The Green Region is not\n compatible with this box", "Invalid placement", kWarn},
    {"The Orange Region is not\n compatible with this box", "Invalid placement", kWarn},
    {"The Blue Region will delete\n any box in this spot", "placement message", kWarn},
    {"The current box is not compatible\n with this region.  Therefore\n the box will be deleted",
     "Invalid placement", kWarn},
    {"The current box is not compatible\n with this Orange region.  Therefore\n the box will be deleted",
     "Invalid placement", kWarn},
    {"The your box is not compatible\n with this Red region. Therefore\n the box will be deleted",
     "Invalid placement", kWarn},
    {"This Box can't be placed in this region", "Invalid placement", kWarn},
    {"The current Green Region is not\n compatible with this box", "Invalid placement", kWarn},
    {"The current Orange Region is not\n compatible with this box", "Invalid placement", kWarn},
    {"A Your box already exists", "Invalid placement", kWarn},
    {"The current Orange Region is not\n compatible with Your box", "Invalid placement", kWarn},
    {"The current Red Region is not\n compatible with Your box", "Invalid placement", kWarn},
    {"The number is out of range", "Invalid Number", kWarn},
    {"That Number box already exists", "Invalid Placement", kWarn},
    {"The Green Region is not\n compatible with this Number box", "Invalid placement", kWarn},
};

// A known box the region cannot hold, by the board's own admission table.
// Codes outside the tables (a hand-made file) are left for the game to judge.
bool refuses(RegionCode region, int box) {
    return box >= 0 && box < static_cast<int>(kBoxCodeCount) && !regionAdmits(region, static_cast<BoxCode>(box));
}

int code(BoxCode b) { return static_cast<int>(b); }
int code(RegionCode r) { return static_cast<int>(r); }

void empty(BoardCell& cell, RegionCode region) {
    cell.region = region;
    cell.box = BoxCode::Empty;
    cell.number = 0;
}

bool validTool(int tool, std::uint32_t count) {
    return tool == kToolOff || (tool >= 0 && static_cast<std::uint32_t>(tool) < count);
}

}  // namespace

const Message& placementMessage(MessageId id) {
    int i = static_cast<int>(id) - 1;
    if (i < 0 || i >= 16) i = 0;
    return kMessages[i];
}

void PlacementRules::PlaceAt(int x, int y, const Tools& tools) {
    // Only the view calls this, with a cell of the grid; anything else is
    // not a click on the board.
    if (x < 0 || y < 0 || x >= kGridSize || y >= kGridSize) return;
    if (!validTool(tools.region, kRegionCodeCount) || !validTool(tools.box, kBoxCodeCount)) return;

    if (BoardDefinition::isBorder(x, y)) {
        show(MessageId::M1);
    } else if (tools.region == code(RegionCode::Green) && refuses(RegionCode::Green, tools.box)) {
        show(MessageId::M2);
    } else if (tools.region == code(RegionCode::Orange) && refuses(RegionCode::Orange, tools.box)) {
        show(MessageId::M3);
    } else if (tools.box == code(BoxCode::Your)) {
        PlaceYourBox(x, y, tools);
    } else if (tools.box == code(BoxCode::Number)) {
        PlaceNumberBox(x, y, tools);
    } else {
        PlaceOrdinaryBox(x, y, tools);
    }
    host_.markModified();
}

void PlacementRules::applyBlue(BoardCell& cell) {
    if (cell.box != BoxCode::Empty) show(MessageId::M4);
    empty(cell, RegionCode::Blue);
}

void PlacementRules::PlaceOrdinaryBox(int x, int y, const Tools& tools) {
    BoardCell& cell = board_.Cell(x, y);
    if (tools.region != kToolOff) {
        const int b = code(cell.box);
        if (tools.region == code(RegionCode::Blue)) {
            applyBlue(cell);
        } else if (tools.region == code(RegionCode::Green) && refuses(RegionCode::Green, b)) {
            show(MessageId::M5);
            empty(cell, RegionCode::Green);
        } else if (tools.region == code(RegionCode::Orange) && refuses(RegionCode::Orange, b)) {
            show(MessageId::M6);
            empty(cell, RegionCode::Orange);
        } else if (tools.region == code(RegionCode::Red) && refuses(RegionCode::Red, b)) {
            show(MessageId::M7);
            empty(cell, RegionCode::Red);
        } else {
            cell.region = static_cast<RegionCode>(tools.region);
        }
    }
    if (tools.box != kToolOff) {
        const RegionCode r = cell.region;
        if (r == RegionCode::Blue && refuses(r, tools.box)) {
            show(MessageId::M8);
        } else if (r == RegionCode::Green && refuses(r, tools.box)) {
            show(MessageId::M9);
        } else if (r == RegionCode::Orange && refuses(r, tools.box)) {
            show(MessageId::M10);
        } else {
            cell.box = static_cast<BoxCode>(tools.box);
            cell.number = 0;
        }
    }
    host_.redrawCell(x, y);
}

void PlacementRules::PlaceYourBox(int x, int y, const Tools& tools) {
    if (board_.HasYourBox()) {
        show(MessageId::M11);
        return;
    }
    BoardCell& cell = board_.Cell(x, y);
    if (tools.region == code(RegionCode::Blue)) applyBlue(cell);
    else if (tools.region != kToolOff) cell.region = static_cast<RegionCode>(tools.region);

    switch (cell.region) {
    case RegionCode::Blue: show(MessageId::M8); break;
    case RegionCode::Orange: show(MessageId::M12); break;
    case RegionCode::Red: show(MessageId::M13); break;
    default:
        cell.box = BoxCode::Your;
        cell.number = 0;
        break;
    }
    host_.redrawCell(x, y);
}

void PlacementRules::PlaceNumberBox(int x, int y, const Tools& tools) {
    std::uint32_t n = 1;
    if (!host_.askBoxNumber(n)) return;
    if (n == 0 || n > 9) {
        show(MessageId::M14);
        return;
    }
    if (board_.IsNumberUsed(n)) {
        show(MessageId::M15);
        return;
    }
    BoardCell& cell = board_.Cell(x, y);
    if (tools.region == code(RegionCode::Blue)) {
        applyBlue(cell);
    } else if (tools.region == code(RegionCode::Red) && cell.box == BoxCode::Your) {
        show(MessageId::M7);
        empty(cell, RegionCode::Red);
    } else if (tools.region != kToolOff) {
        cell.region = static_cast<RegionCode>(tools.region);
    }

    if (cell.region == RegionCode::Blue) {
        show(MessageId::M8);
    } else if (cell.region == RegionCode::Green) {
        show(MessageId::M16);
    } else {
        cell.box = BoxCode::Number;
        cell.number = n;
    }
    host_.redrawCell(x, y);
}

}  // namespace vortan::designer
