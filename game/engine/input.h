// Turning keys and clicks into directions.
#pragma once

#include "play_board.h"

namespace vortan {

// Virtual-key codes of the arrow keys, the form in which keys reach the rules.
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

Direction keyDirection(int key);

// The click zones around the middle of the board, in window pixels; None
// for the centre square, the margins and the status panel.
Direction clickZone(int x, int y);

// Corners of the zone figures: inner square A..D, outer rectangle E..H.
struct ZonePoint {
    int x, y;
};
extern const ZonePoint kZoneA, kZoneB, kZoneC, kZoneD, kZoneE, kZoneF, kZoneG, kZoneH;

}  // namespace vortan
