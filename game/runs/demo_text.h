// The message shown before the demo plays.
#pragma once

namespace vortan {

constexpr const char* kDemoAboutToPlayMessage =
    "Watch the Your box: the large circular green box.\n"
    "It takes the Star boxes, and then the Number boxes\n"
    "in ascending order, one, two, three, to win the game.\n"
    "\n"
    "Note: all boxes move together as a group\n"
    "when they are moved in a direction,\n"
    "until a wall or another box stops them.";

}  // namespace vortan
