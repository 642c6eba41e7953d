#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>

#include "board/board_file.h"
#include "board/file_io.h"
#include "board_check.h"
#include "catalogue.h"
#include "game/engine/effects.h"
#include "game/engine/game_rules.h"
#include "game/runs/demo_text.h"
#include "solver.h"

using namespace vortan;

namespace {

const std::string kData = std::string(VORTAN_SOURCE_DIR) + "/data/";
const std::string kSolutions = std::string(VORTAN_SOURCE_DIR) + "/tools/catalogue/solutions.txt";

CZembrikDoc loadShipped(const std::string& name, LoadResult& result) {
    CZembrikDoc doc;
    doc.boardPath = kData + name;
    result = doc.openRun();
    return doc;
}

int boxesLeft(const CZembrikDoc& doc, BoxCode box) {
    int n = 0;
    for (int y = 0; y < kGridSize; ++y)
        for (int x = 0; x < kGridSize; ++x) n += doc.playBoard.peek(x, y).box == static_cast<std::int32_t>(box);
    return n;
}

// The same line played slowly: one move every two seconds.
std::string atHalfSpeed(const std::string& moves) {
    std::string slow;
    for (char c : moves) slow += c == 'T' ? "TT" : std::string(1, c);
    return slow;
}

class Catalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() { solutions = new std::map<std::string, std::string>(ReadSolutions(kSolutions)); }
    static void TearDownTestSuite() { delete solutions; }
    static std::map<std::string, std::string>* solutions;
};
std::map<std::string, std::string>* Catalogue::solutions = nullptr;

}  // namespace

TEST_F(Catalogue, EveryBoardIsWellFormedNamedAndWonByItsLine) {
    std::set<std::string> names;
    int checked = 0;
    for (int v = 0; v < kCatalogueVersions; ++v)
        for (int s = 0; s < kSeriesCount; ++s)
            for (int g = 0; g < kGamesPerSeries; ++g) {
                const std::string file = boardFileName(v, s, g);
                SCOPED_TRACE(file);
                ASSERT_TRUE(fileReadable(kData + file));
                ++checked;
                BoardDefinition b;
                b.ClearCells();
                const FileReadResult read = ReadBoardFile(kData + file, b);
                ASSERT_TRUE(read.opened);
                ASSERT_TRUE(read.read.ok());
                EXPECT_THAT(boardProblems(b), ::testing::IsEmpty());
                EXPECT_FALSE(b.gameName.empty());
                EXPECT_LE(b.gameName.size(), 14u);
                EXPECT_TRUE(names.insert(std::to_string(v) + b.gameName).second) << "name used twice: " << b.gameName;
                EXPECT_NE(b.openingMessage.find("Take"), std::string::npos);
                EXPECT_GT(b.starBoxCount + b.numberBoxCount, 0u);

                ASSERT_EQ(solutions->count(file), 1u);
                const std::string& line = solutions->at(file);
                const int length = static_cast<int>(line.size() / 2);
                LoadResult loaded;
                const CZembrikDoc doc = loadShipped(file, loaded);
                ASSERT_EQ(loaded, LoadResult::Loaded);
                const ReplayResult played = ReplayMoves(doc, line);
                ASSERT_TRUE(played.ok);
                EXPECT_TRUE(played.won());
                // A person has twice the seconds the line needs, counting
                // what the Time boxes on the line add.
                const int timeTaken = b.CountBoxes(BoxCode::Time) - boxesLeft(played.doc, BoxCode::Time);
                const int moveTaken = b.CountBoxes(BoxCode::Move) - boxesLeft(played.doc, BoxCode::Move);
                EXPECT_GE(static_cast<int>(b.timeLimit + timeTaken * b.timeBoxTimeValue), 2 * length);
                EXPECT_TRUE(ReplayMoves(doc, atHalfSpeed(line)).won());
                EXPECT_GT(static_cast<int>(b.moveLimit + moveTaken * b.moveBoxMoveValue), length);
                if (seriesLabel(v, s) == "Bonus") {
                    // Neither the time nor the moves last the line without its bonus boxes.
                    EXPECT_LT(static_cast<int>(b.timeLimit), length);
                    EXPECT_LT(static_cast<int>(b.moveLimit), length);
                    EXPECT_GE(timeTaken, 1);
                    EXPECT_GE(moveTaken, 1);
                }
            }
    EXPECT_EQ(checked, kCatalogueVersions * kSeriesCount * kGamesPerSeries);
    // Every line kept belongs to a shipped board or the demo.
    EXPECT_EQ(solutions->size(), static_cast<std::size_t>(checked) + 1);
}

int regionCells(const BoardDefinition& b, RegionCode r) {
    int n = 0;
    for (int y = 1; y <= 20; ++y)
        for (int x = 1; x <= 20; ++x) n += b.Cell(x, y).region == r;
    return n;
}

// What each series label promises can be seen on its boards.
TEST_F(Catalogue, SeriesLookLikeTheirLabels) {
    for (int v = 0; v < kCatalogueVersions; ++v)
        for (int s = 0; s < kSeriesCount; ++s)
            for (int g = 0; g < kGamesPerSeries; ++g) {
                const std::string file = boardFileName(v, s, g);
                SCOPED_TRACE(file);
                BoardDefinition b;
                b.ClearCells();
                ASSERT_TRUE(ReadBoardFile(kData + file, b).read.ok());
                const std::string label = seriesLabel(v, s);
                if (label == "Traps") {
                    EXPECT_GE(b.CountBoxes(BoxCode::Hot), 2);
                    EXPECT_GE(b.CountBoxes(BoxCode::Freeze), 1);
                    EXPECT_GE(regionCells(b, RegionCode::Red), 4);
                    EXPECT_GE(b.numberOfLives, 2u);
                }
                if (label == "Transparent") {
                    EXPECT_GE(regionCells(b, RegionCode::Green), 4);
                    EXPECT_GE(regionCells(b, RegionCode::Orange), 4);
                }
                if (label == "Bonus") {
                    EXPECT_GE(b.CountBoxes(BoxCode::Time), 1);
                    EXPECT_GE(b.CountBoxes(BoxCode::Move), 1);
                }
                if (label == "Supergraphic" || label == "Symbol") {
                    // Large pictures: many coloured cells over a board left open.
                    const int colour = regionCells(b, RegionCode::Green) + regionCells(b, RegionCode::Orange) +
                                       regionCells(b, RegionCode::White) + regionCells(b, RegionCode::Blue);
                    EXPECT_GE(colour, 60);
                    EXPECT_LE(regionCells(b, RegionCode::Blue), 150);
                }
                if (label == "Mirrors") {
                    for (int y = 1; y <= 20; ++y)
                        for (int x = 1; x <= 10; ++x) {
                            const BoardCell& l = b.Cell(x, y);
                            const BoardCell& r = b.Cell(21 - x, y);
                            EXPECT_EQ(l.region, r.region) << x << "," << y;
                            if (l.box != BoxCode::Your && r.box != BoxCode::Your) {
                                EXPECT_EQ(l.box, r.box) << x << "," << y;
                            }
                        }
                }
            }
}

TEST_F(Catalogue, DifficultyRisesThroughEachSeriesAndFromAlvorToBrenno) {
    double versionTotal[kCatalogueVersions] = {};
    int versionCount[kCatalogueVersions] = {};
    for (int v = 0; v < kCatalogueVersions; ++v)
        for (int s = 0; s < kSeriesCount; ++s) {
            std::size_t previous = 0;
            for (int g = 0; g < kGamesPerSeries; ++g) {
                const std::string file = boardFileName(v, s, g);
                ASSERT_EQ(solutions->count(file), 1u) << file;
                const std::size_t length = solutions->at(file).size() / 2;
                EXPECT_GE(length, previous) << file;
                previous = length;
                versionTotal[v] += static_cast<double>(length);
                ++versionCount[v];
            }
        }
    ASSERT_GT(versionCount[0], 0);
    ASSERT_GT(versionCount[1], 0);
    EXPECT_GT(versionTotal[1] / versionCount[1], versionTotal[0] / versionCount[0] * 1.3);
}

TEST_F(Catalogue, TheDemoIsWonByItsRecordedMovesOneASecond) {
    std::string bytes;
    ASSERT_TRUE(readFileBytes(kData + "demomoves.dat", bytes));
    ASSERT_EQ(bytes.size(), 302u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[300]), 6);
    EXPECT_EQ(bytes[301], 0);

    BoardDefinition b;
    b.ClearCells();
    ASSERT_TRUE(ReadBoardFile(kData + "demogame.dat", b).read.ok());
    EXPECT_THAT(boardProblems(b), ::testing::IsEmpty());
    EXPECT_LE(b.timeLimit, 151u);
    EXPECT_GT(b.timeLimit, 0u);
    EXPECT_GT(b.starBoxCount, 1u);
    EXPECT_GT(b.numberBoxCount, 1u);

    // As the Demo command plays it: the entries go into the document, one per tick.
    LoadResult loaded;
    CZembrikDoc doc = loadShipped("demogame.dat", loaded);
    ASSERT_EQ(loaded, LoadResult::Loaded);
    for (int i = 0; i < kDemoMoveCount; ++i) {
        const int entry = static_cast<unsigned char>(bytes[2 * i]) | static_cast<unsigned char>(bytes[2 * i + 1]) << 8;
        EXPECT_TRUE(entry <= 4 || i == 150) << i;
        doc.SetDemoMove(i, entry);
    }
    NullEffects fx;
    GameRules rules(doc, fx);
    rules.recordIndex = 0;
    doc.startRun(RunKind::Demo);
    int ticks = 0;
    while (doc.gameState() == GameState::DemoPlaying && ticks < 200) {
        rules.OnTimer();
        ++ticks;
    }
    EXPECT_EQ(doc.gameState(), GameState::DemoOver);
    EXPECT_EQ(doc.gameOutcome, GameOutcome::Won);
    EXPECT_LE(ticks, 150);
}

TEST(DemoText, SevenLinesAboutYourBoxStarsNumbersAndMovingTogether) {
    const std::string text = kDemoAboutToPlayMessage;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);
    for (const char* word : {"Your", "green", "Star", "Number", "ascending", "together"})
        EXPECT_NE(text.find(word), std::string::npos) << word;
}

TEST(Solutions, FileRoundTripAndBadLines) {
    const char* home = std::getenv("VORTAN_HOME");
    const std::string path = std::string(home ? home : "/tmp") + "/solutions.txt";
    ASSERT_TRUE(WriteSolutions(path, {{"a1.dat", "UTRT"}, {"b2.dat", "LT"}}));
    {
        std::ofstream add(path, std::ios::app);
        add << "broken-line-without-fields\n\n# a comment\n";
    }
    const auto read = ReadSolutions(path);
    EXPECT_EQ(read.size(), 2u);
    EXPECT_EQ(read.at("a1.dat"), "UTRT");
    EXPECT_TRUE(ReadSolutions(path + ".missing").empty());
}
