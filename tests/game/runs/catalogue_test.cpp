#include <gtest/gtest.h>

#include "catalogue.h"

using namespace vortan;

TEST(Catalogue, BoardFileNames) {
    EXPECT_EQ(boardFileName(0, 0, 0), "alvor1.dat");
    EXPECT_EQ(boardFileName(0, 11, 9), "alvor120.dat");
    EXPECT_EQ(boardFileName(0, 1, 2), "alvor13.dat");
    EXPECT_EQ(boardFileName(1, 4, 0), "brenno41.dat");
    EXPECT_EQ(boardFileName(4, 0, 0), "eskel1.dat");
    EXPECT_EQ(boardFileName(9, 0, 0), "fennow1.dat");
}

TEST(PlayGameDialog, SeriesRememberTheirGame) {
    PlayGameModel m;
    m.onOpen();
    m.onSeries(1);  // Traditional
    m.onGame(3);    // Game 4
    m.onSeries(3);  // Maze: its own last game (never chosen: Game 1)
    EXPECT_EQ(m.game, 0);
    m.onGame(6);
    m.onSeries(1);  // back to Traditional: Game 4 again
    EXPECT_EQ(m.game, 3);
    m.onSeries(3);
    EXPECT_EQ(m.game, 6);
    m.onSeries(0);  // Easy keeps the game that Maze had selected
    EXPECT_EQ(m.game, 6);
}

TEST(PlayGameDialog, VersionsRememberTheirSelection) {
    PlayGameModel m;
    m.onOpen();
    m.onVersion(1);
    m.onSeries(4);
    m.onGame(2);
    EXPECT_EQ(m.seriesLabels[4], "Cadrel 1");
    m.onVersion(0);
    EXPECT_EQ(m.series, 0);
    EXPECT_EQ(m.seriesLabels[0], "Easy");
    m.onSeries(7);
    m.onGame(9);
    m.onVersion(1);
    EXPECT_EQ(m.series, 4);
    EXPECT_EQ(m.game, 2);
    m.onVersion(0);
    EXPECT_EQ(m.series, 7);
    EXPECT_EQ(m.game, 9);
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
    m.onVersion(3);
    EXPECT_EQ(m.seriesLabels[0], "Dovrin 1");
    EXPECT_EQ(m.series, 0);
}
