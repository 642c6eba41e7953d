// The message shown before the demonstration game plays.
#pragma once

#include "board/tr_noop.h"

namespace vortan {

constexpr const char* kDemoAboutToPlayMessage = VORTAN_TR_NOOP(
    "GameRunner",
    "Watch the Your box, the large circular green box,\n"
    "as it takes the Star boxes\n"
    "and the Number boxes in ascending order\n"
    "(1, 2, 3 ...) to win the game.\n"
    "Note: when the boxes are moved in a direction,\n"
    "all boxes move together as a group\n"
    "until a wall or another box stops them.");

}  // namespace vortan
