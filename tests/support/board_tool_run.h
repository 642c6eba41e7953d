// The board tool run in-process as a script runs it, and board files put
// where it can read them, for the tests of its commands.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "board/board_file.h"
#include "board_tool.h"
#include "tests/support/test_folder.h"

namespace vortan::test {

struct ToolRun {
    int code;
    std::string out, err;
};

inline ToolRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = boardToolMain(args, out, err);
    return {code, out.str(), err.str()};
}

// A path in the test's own home folder.
inline std::string toolPath(const std::string& name) {
    return (vortan::testing::testFolder("board-tool", false) / name).string();
}

inline std::string savedBoard(const std::string& name, BoardDefinition b) {
    const std::string p = toolPath(name);
    EXPECT_TRUE(WriteBoardFile(p, b)) << p;
    return p;
}

}  // namespace vortan::test
