// The game's sound effects and the stems of their wave files, in one table
// that the game and the sound generator both read.
#pragma once

#include <array>

namespace vortan {

enum class Sound {
    Click,       // a countdown or the moves in their last 30
    Star,        // a Star box taken
    Number,      // the next Number box taken
    TimeBox,     // a Time box taken
    MoveBox,     // a Move box taken
    Die,         // a life lost on a Hot box or a Red cell
    Freeze,      // a move taken back by a Freeze box
    Won,         // the fanfare of a won game
    Death,       // a game lost by a move, and End Game
    ClockDeath,  // a game lost by its clock
    Start,       // a played game opens
    DemoStart,   // the demo or a recording opens
};

constexpr int kSoundCount = 12;

// File stems: the wave of a sound is stem + sound style + ".wav".
constexpr std::array<const char*, kSoundCount> kSoundStems = {
    "CLICK", "ESTAR", "ENUMBER", "SDTIME", "SDMOVE", "SDDIE", "SDFREEZE", "GEWON", "SDDEATH", "SDEATH", "SSTART", "GSTART",
};

constexpr const char* soundStem(Sound s) { return kSoundStems[static_cast<int>(s)]; }

}  // namespace vortan
