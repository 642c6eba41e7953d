#include <gtest/gtest.h>

#include <filesystem>

#include "board/file_io.h"
#include "records.h"
#include "tests/support/test_folder.h"

using namespace vortan;
namespace fs = std::filesystem;

using vortan::testing::slurp;
using vortan::testing::spit;

namespace {
std::string file(const std::string& name) { return (vortan::testing::testFolder("records", false) / name).string(); }
}  // namespace

TEST(Options, TwentyFourLittleEndianBytes) {
    const std::string p = file("Options.dat");
    fs::remove(p);
    EXPECT_FALSE(OptionsFileExists(p));
    ASSERT_TRUE(WriteOptions(p, OptionsRecord{2, 1, 0, 1, 3, -1}));
    const std::string bytes = slurp(p);
    ASSERT_EQ(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x02\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(16, 4), std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(20, 4), std::string("\xFF\xFF\xFF\xFF", 4));
    OptionsRecord back;
    ASSERT_TRUE(ReadOptions(p, back));
    EXPECT_EQ(back, (OptionsRecord{2, 1, 0, 1, 3, -1}));
}

TEST(Options, AShortFileKeepsWhatItHoldsAndTheRestIsZero) {
    const std::string p = file("short-options.dat");
    spit(p, std::string("\x01\x00\x00\x00\x02\x00\x00\x00\x07\x00", 10));
    OptionsRecord r{9, 9, 9, 9, 9, 9};
    ASSERT_TRUE(ReadOptions(p, r));
    EXPECT_EQ(r, (OptionsRecord{1, 2, 0, 0, 0, 0}));
    // A longer file: only the first 24 bytes count.
    spit(p, std::string(24, '\x01') + "junk");
    ASSERT_TRUE(ReadOptions(p, r));
    EXPECT_EQ(r.game, 0x01010101);
    OptionsRecord untouched{5, 5, 5, 5, 5, 5};
    EXPECT_FALSE(ReadOptions(file("none.dat"), untouched));
    EXPECT_EQ(untouched.graphicsStyle, 5);
}

TEST(HighScores, FileLayoutAndRoundTrip) {
    const std::string p = file("HIScore0.dat");
    HighScoreTable t;
    t.SetHighScore(0, 1, 70000, "ABCD");  // low 16 bits only; initials not limited
    t.SetHighScore(11, 9, 42, "");
    ASSERT_TRUE(t.WriteHighScores(p));
    const std::string bytes = slurp(p);
    EXPECT_EQ(bytes.size(), 360u + 4);
    EXPECT_EQ(bytes.substr(3, 7), std::string("\x70\x11\x04" "ABCD", 7));  // record 1: 70000 - 65536 = 4464
    HighScoreTable back;
    ASSERT_TRUE(back.ReadHighScores(p));
    EXPECT_EQ(back.GetHighScore(0, 1), 4464);
    EXPECT_EQ(back.GetInitials(0, 1), "ABCD");
    EXPECT_EQ(back.GetHighScore(11, 9), 42);
    EXPECT_EQ(back.GetHighScore(12, 0), 0);   // outside the table
    EXPECT_EQ(back.GetInitials(-1, 3), "");
    back.SetHighScore(5, 10, 1, "X");         // ignored
    EXPECT_EQ(back.encode(), t.encode());
}

TEST(HighScores, AShortFileKeepsItsRecordsAndTheRestAreEmpty) {
    HighScoreTable t;
    for (int s = 0; s < 12; ++s)
        for (int g = 0; g < 10; ++g) t.SetHighScore(s, g, 100 + s * 10 + g, "AB");
    const std::string full = t.encode();
    const std::string p = file("HIScore1.dat");
    // Cut in the middle of record 5's initials: records 0..4 survive.
    spit(p, full.substr(0, 5 * 5 + 3));
    HighScoreTable back;
    back.SetHighScore(7, 7, 999, "OLD");
    ASSERT_TRUE(back.ReadHighScores(p));
    EXPECT_EQ(back.GetHighScore(0, 4), 104);
    EXPECT_EQ(back.GetInitials(0, 4), "AB");
    EXPECT_EQ(back.GetHighScore(0, 5), 0);
    EXPECT_EQ(back.GetHighScore(7, 7), 0);
    // A hostile initials length is an early end, not a huge allocation.
    spit(p, std::string("\x05\x00\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 9));
    ASSERT_TRUE(back.ReadHighScores(p));
    EXPECT_EQ(back.GetHighScore(0, 0), 0);
}

TEST(DemoMoves, ThreeHundredAndTwoBytes) {
    const std::string p = file("demomoves.dat");
    std::int32_t moves[151] = {};
    moves[150] = 6;
    ASSERT_TRUE(WriteDemoMovesFile(p, moves));
    EXPECT_EQ(slurp(p), std::string(300, '\0') + std::string("\x06\x00", 2));
    moves[0] = 1;
    moves[2] = 70000;  // low 16 bits
    ASSERT_TRUE(WriteDemoMovesFile(p, moves));
    std::int32_t back[151];
    ASSERT_TRUE(ReadDemoMovesFile(p, back));
    EXPECT_EQ(back[0], 1);
    EXPECT_EQ(back[2], 4464);
    EXPECT_EQ(back[150], 6);
    // A short file keeps its entries; the rest are 0.
    spit(p, std::string("\x02\x00\x03", 3));
    ASSERT_TRUE(ReadDemoMovesFile(p, back));
    EXPECT_EQ(back[0], 2);
    EXPECT_EQ(back[1], 0);
    EXPECT_EQ(back[150], 0);
    EXPECT_FALSE(ReadDemoMovesFile(file("nothing.dat"), back));
}
