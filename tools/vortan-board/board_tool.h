// The `vortan-board` command line: new, info, play, solve, hint and generate.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vortan {

// args excludes the program name. Returns the exit code: 0 success,
// 1 a file that cannot be used, 2 bad arguments.
int boardToolMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vortan
