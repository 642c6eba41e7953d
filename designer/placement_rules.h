// What a left click on a designer cell does: the current region and box
// tools are applied to that one cell under the game's compatibility rules.
// Plain C++ so that the rules run without any window; everything they show
// or ask goes through PlacementHost.
#pragma once

#include <cstdint>
#include <string>

#include "board/board_definition.h"

namespace vortan::designer {

constexpr int kToolOff = -1;  // "Turned Off": the click leaves that part alone

enum class MessageIcon { None, Exclamation };

struct Message {
    const char* text;
    const char* caption;
    MessageIcon icon;
};

enum class MessageId {
    M1 = 1, M2, M3, M4, M5, M6, M7, M8, M9, M10, M11, M12, M13, M14, M15, M16
};
const Message& placementMessage(MessageId id);

// The window side of a placement: message boxes, the Box Number dialog,
// drawing one cell and the document's modified flag.
class PlacementHost {
public:
    virtual ~PlacementHost() = default;
    virtual void showMessage(const Message& message) = 0;
    // Shows the Box Number dialog with `number` filled in; false on Cancel.
    virtual bool askBoxNumber(std::uint32_t& number) = 0;
    virtual void redrawCell(int x, int y) = 0;
    virtual void markModified() = 0;
};

struct Tools {
    int region = kToolOff;  // kToolOff or a RegionCode
    int box = kToolOff;     // kToolOff or a BoxCode
};

class PlacementRules {
public:
    PlacementRules(BoardDefinition& board, PlacementHost& host) : board_(board), host_(host) {}

    // The whole rule set of one left click on cell (x, y).
    void PlaceAt(int x, int y, const Tools& tools);

    void PlaceOrdinaryBox(int x, int y, const Tools& tools);
    void PlaceYourBox(int x, int y, const Tools& tools);
    void PlaceNumberBox(int x, int y, const Tools& tools);

private:
    void show(MessageId id) { host_.showMessage(placementMessage(id)); }
    // The Blue region tool empties the cell, with a warning when it held a box.
    void applyBlue(BoardCell& cell);

    BoardDefinition& board_;
    PlacementHost& host_;
};

}  // namespace vortan::designer
