#include <gtest/gtest.h>

#include <iterator>

#include "catalogue.h"

using namespace vortan;

// In range, the names are the shipped boards' (the catalogue's own test
// reads every one); out of range, the last version.
TEST(Catalogue, BoardFileNamesOutOfRange) { EXPECT_EQ(boardFileName(9, 0, 0), "fennow1.dat"); }

// Each series keeps its own last game, each version its own series and game.
TEST(PlayGameDialog, SeriesAndVersionsRememberTheirSelection) {
    using Choice = void (PlayGameModel::*)(int);
    const Choice toVersion = &PlayGameModel::onVersion, toSeries = &PlayGameModel::onSeries,
                 toGame = &PlayGameModel::onGame;
    const struct {
        Choice choose;
        int value, series, game;  // the selection afterwards
    } steps[] = {
        {toSeries, 1, 1, 0}, {toGame, 3, 1, 3},  // Traditional, Game 4
        {toSeries, 3, 3, 0},                     // Maze: never chosen, Game 1
        {toGame, 6, 3, 6},   {toSeries, 1, 1, 3}, {toSeries, 3, 3, 6},
        {toSeries, 0, 0, 6},  // Easy keeps the game that Maze had selected
        {toVersion, 1, 0, 0}, {toSeries, 4, 4, 0}, {toGame, 2, 4, 2},
        {toVersion, 0, 0, 6}, {toSeries, 7, 7, 0}, {toGame, 9, 7, 9},
        {toVersion, 1, 4, 2}, {toVersion, 0, 7, 9},
    };
    PlayGameModel m;
    m.onOpen();
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        (m.*steps[i].choose)(steps[i].value);
        EXPECT_EQ(m.series, steps[i].series) << "step " << i;
        EXPECT_EQ(m.game, steps[i].game) << "step " << i;
    }
}

TEST(PlayGameDialog, ShowsScoresAndResets) {
    PlayGameModel m;
    HighScoreTable t;
    t.SetHighScore(2, 5, 120, "JRR");
    m.setScores(1, t);
    m.version = 1;
    m.series = 2;
    m.game = 5;
    m.onOpen();
    EXPECT_EQ(m.shownScore, 120);
    EXPECT_EQ(m.shownInitials, "JRR");
    m.onGame(4);  // never played
    EXPECT_EQ(m.shownScore, 0);
    EXPECT_EQ(m.shownInitials, "");
    m.onGame(5);
    m.onResetHighScores();
    EXPECT_TRUE(m.resetRequested);
    EXPECT_EQ(m.version, 1);
    EXPECT_EQ(m.series, 0);
    EXPECT_EQ(m.game, 0);
    m.onSeries(2);
    m.onGame(5);
    EXPECT_EQ(m.shownScore, 0);
    EXPECT_EQ(m.lastSeriesOf(1), 2);
    m.onOpen();
    EXPECT_FALSE(m.resetRequested);
}

TEST(PlayGameDialog, OutOfRangeSelectionsShowNothingAndIndexNothing) {
    PlayGameModel m;
    m.version = 7;
    m.series = 40;
    m.game = -2;
    m.onOpen();
    m.onDialogClick();
    m.RestoreSelection();
    m.RestoreGameOfSeries();
    EXPECT_EQ(m.shownScore, 0);
    EXPECT_EQ(m.score(7, 40, -2), 0);
}
