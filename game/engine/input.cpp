#include "input.h"

namespace vortan {

const ZonePoint kZoneA{487, 237}, kZoneB{487, 312}, kZoneC{562, 312}, kZoneD{562, 237};
const ZonePoint kZoneE{287, 37}, kZoneF{287, 512}, kZoneG{762, 512}, kZoneH{762, 37};

Direction keyDirection(int key) {
    switch (key) {
    case kKeyLeft: return Direction::Left;
    case kKeyUp: return Direction::Up;
    case kKeyRight: return Direction::Right;
    case kKeyDown: return Direction::Down;
    default: return Direction::None;
    }
}

Direction clickZone(int x, int y) {
    // Tested left, right, top, bottom; the diagonals x - y = 250 and
    // x + y = 799 decide which side a point on them belongs to.
    const int d = x - y, s = x + y;
    if (x >= 287 && x <= 486 && d < 250 && s < 799) return Direction::Left;
    if (x >= 563 && x <= 762 && d >= 250 && s >= 799) return Direction::Right;
    if (y >= 37 && y <= 236 && d >= 250 && s < 799) return Direction::Up;
    if (y >= 313 && y <= 512 && d < 250 && s >= 799) return Direction::Down;
    return Direction::None;
}

}  // namespace vortan
