// The board tool solves with the game's own search.
#pragma once

#include "game/search/solver.h"
