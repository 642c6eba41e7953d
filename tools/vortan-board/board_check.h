// Finds the broken invariants of a board, as readable sentences.
#pragma once

#include <string>
#include <vector>

#include "board/board_definition.h"

namespace vortan {

std::vector<std::string> boardProblems(const BoardDefinition& board);

}  // namespace vortan
