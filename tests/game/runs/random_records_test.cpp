#include <gtest/gtest.h>

#include <filesystem>

#include "board/file_io.h"
#include "random_records.h"
#include "tests/support/test_folder.h"

using namespace vortan;
namespace fs = std::filesystem;

namespace {
std::string recordsPath() {
    return (vortan::testing::testFolder("random-records", false) / RandomRecords::kFileName).string();
}
}  // namespace

TEST(RandomRecords, KeepTheFewestMovesAndTheMostTimeApartPerDifficulty) {
    RandomRecords r;
    EXPECT_TRUE(r.addWin(2, 30, 10, "H-AAAA-AAAA"));
    EXPECT_TRUE(r.addWin(2, 40, 50, "H-BBBB-BBBB"));  // more time, not fewer moves
    EXPECT_FALSE(r.addWin(2, 35, 20, "H-CCCC-CCCC"));
    EXPECT_FALSE(r.addWin(4, 1, 1, "X"));
    EXPECT_FALSE(r.addWin(-1, 1, 1, "X"));
    EXPECT_FALSE(r.addWin(0, 0, 1, "E"));
    EXPECT_FALSE(r.addWin(0, 5, 1, "not\nan id"));
    EXPECT_EQ(r.best(2).fewestMoves, 30);
    EXPECT_EQ(r.best(2).fewestMovesId, "H-AAAA-AAAA");
    EXPECT_EQ(r.best(2).mostTimeLeft, 50);
    EXPECT_EQ(r.best(2).mostTimeLeftId, "H-BBBB-BBBB");
    EXPECT_EQ(r.best(0).fewestMoves, 0);
    EXPECT_EQ(r.best(7).fewestMoves, 0);
}

TEST(RandomRecords, DamagedLinesAreSkippedAndTheOthersKept) {
    const std::string path = recordsPath();
    const char text[] = "easy moves 12 E-1111-1111\nmedium moves -3 M-1\nhard moves 99999999999 H-1\n"
                        "expert time 5 <script>\n\0\xff garbage\nwhatever\nhard time 40 H-2222-2222\nexpert moves 4";
    ASSERT_TRUE(writeFileAtomically(path, std::string(text, sizeof text - 1)));
    RandomRecords r;
    r.read(path);
    EXPECT_EQ(r.best(0).fewestMoves, 12);
    EXPECT_EQ(r.best(1).fewestMoves, 0);
    EXPECT_EQ(r.best(2).fewestMoves, 0);
    EXPECT_EQ(r.best(2).mostTimeLeft, 40);
    EXPECT_EQ(r.best(3).mostTimeLeft, -1);
    EXPECT_EQ(r.best(3).fewestMoves, 0);  // cut off before its ID
    r.read(path + ".missing");
    EXPECT_EQ(r.best(0).fewestMoves, 0);
}
